// Time from exec to the program's first full frame on an X screen, seen from
// outside the program: the screen is read back through the X server.
//
//   startup_probe [-n RUNS] [-q] -- PROGRAM [ARGS...]
//
// A first run, not timed, waits until the screen has stopped changing and
// keeps a few whole rows of it as the picture to expect. Each timed run then
// forks, execs the program and reads those rows back (one request per row,
// half a millisecond apart) until they all show that picture; the elapsed
// time is printed in milliseconds, one run a line, and the median last.
// The program is ended with SIGTERM after each run (SIGKILL if it lingers).
// The pointer is parked in the bottom right corner first, so no hover look
// makes the first frame differ from the settled one.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "bench/startup/ScreenProbe.h"

using namespace probe;

int main(int argc, char** argv) {
  int runs = 5;
  bool quiet = false;
  int i = 1;
  for (; i < argc; ++i) {
    if (!std::strcmp(argv[i], "-n") && i + 1 < argc) runs = std::atoi(argv[++i]);
    else if (!std::strcmp(argv[i], "-q")) quiet = true;
    else if (!std::strcmp(argv[i], "--")) {
      ++i;
      break;
    } else break;
  }
  if (i >= argc || runs < 1) {
    std::fprintf(stderr, "usage: startup_probe [-n RUNS] [-q] -- PROGRAM [ARGS...]\n");
    return 2;
  }
  char** program = argv + i;

  ScreenRows s{};
  s.display = XOpenDisplay(nullptr);
  if (!s.display) {
    std::fprintf(stderr, "startup_probe: no X display\n");
    return 2;
  }
  s.root = DefaultRootWindow(s.display);
  s.width = DisplayWidth(s.display, DefaultScreen(s.display));
  s.height = DisplayHeight(s.display, DefaultScreen(s.display));
  for (int k = 1; k < 8; ++k) s.rows.push_back(s.height * k / 8);
  XWarpPointer(s.display, None, s.root, 0, 0, 0, 0, s.width - 1, s.height - 1);
  XSync(s.display, False);

  // The settled picture: unchanged for a whole second, and not what was
  // there before the program started.
  const Rows before = s.Read();
  pid_t pid = Start(program);
  Rows expected;
  if (!Settle(s, pid, before, 1000, expected)) {
    std::fprintf(stderr, "startup_probe: the program ended or never settled\n");
    return 1;
  }
  Stop(pid);
  SleepMs(200);

  std::vector<double> times;
  for (int run = 0; run < runs; ++run) {
    const double t0 = NowMs();
    pid = Start(program);
    const double t = WaitFor(s, pid, expected, t0);
    Stop(pid);
    if (t < 0) {
      std::fprintf(stderr, "startup_probe: run %d never showed the settled picture\n", run + 1);
      return 1;
    }
    if (!quiet) std::printf("run %d: %.1f ms\n", run + 1, t);
    times.push_back(t);
    SleepMs(200);
  }
  std::printf("%dx%d median of %zu: %.1f ms\n", s.width, s.height, times.size(), Median(times));
  XCloseDisplay(s.display);
  return 0;
}
