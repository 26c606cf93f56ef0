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
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

double NowMs() {
  timespec ts;
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return double(ts.tv_sec) * 1e3 + double(ts.tv_nsec) / 1e6;
}

void SleepMs(double ms) {
  timespec ts{time_t(ms / 1000), long((ms - double(time_t(ms / 1000)) * 1000) * 1e6)};
  nanosleep(&ts, nullptr);
}

struct ScreenRows {
  Display* display;
  Window root;
  int width, height;
  std::vector<int> rows;  // the rows compared

  // One row of the screen as 0x00RRGGBB values.
  std::vector<unsigned long> Row(int y) const {
    std::vector<unsigned long> out(std::size_t(width), 0);
    XImage* image = XGetImage(display, root, 0, y, unsigned(width), 1, AllPlanes, ZPixmap);
    if (!image) return out;
    for (int x = 0; x < width; ++x) out[std::size_t(x)] = XGetPixel(image, x, 0) & 0xFFFFFF;
    XDestroyImage(image);
    return out;
  }
  std::vector<std::vector<unsigned long>> Rows() const {
    std::vector<std::vector<unsigned long>> out;
    for (int y : rows) out.push_back(Row(y));
    return out;
  }
};

pid_t Start(char** argv) {
  pid_t pid = fork();
  if (pid == 0) {
    // The program's own messages (missing sound devices ...) are not wanted here.
    if (int null = open("/dev/null", O_WRONLY); null >= 0) {
      dup2(null, 1);
      dup2(null, 2);
    }
    execv(argv[0], argv);
    std::perror("exec");
    _exit(127);
  }
  return pid;
}

void Stop(pid_t pid) {
  kill(pid, SIGTERM);
  for (int i = 0; i < 300; ++i) {
    if (waitpid(pid, nullptr, WNOHANG) == pid) return;
    SleepMs(10);
  }
  kill(pid, SIGKILL);
  waitpid(pid, nullptr, 0);
}

bool Exited(pid_t pid) { return waitpid(pid, nullptr, WNOHANG) == pid; }

}  // namespace

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
  const auto before = s.Rows();
  pid_t pid = Start(program);
  auto last = before;
  double stableSince = NowMs(), begin = stableSince;
  while (NowMs() - stableSince < 1000 || last == before) {
    if (Exited(pid) || NowMs() - begin > 30000) {
      std::fprintf(stderr, "startup_probe: the program ended or never settled\n");
      return 1;
    }
    SleepMs(20);
    auto now = s.Rows();
    if (now != last) {
      last = now;
      stableSince = NowMs();
    }
  }
  Stop(pid);
  const auto expected = last;
  SleepMs(200);

  std::vector<double> times;
  for (int run = 0; run < runs; ++run) {
    const double t0 = NowMs();
    pid = Start(program);
    double t = -1;
    while (NowMs() - t0 < 30000 && !Exited(pid)) {
      bool all = true;
      for (std::size_t r = 0; r < s.rows.size() && all; ++r) all = s.Row(s.rows[r]) == expected[r];
      if (all) {
        t = NowMs() - t0;
        break;
      }
      SleepMs(0.5);
    }
    Stop(pid);
    if (t < 0) {
      std::fprintf(stderr, "startup_probe: run %d never showed the settled picture\n", run + 1);
      return 1;
    }
    if (!quiet) std::printf("run %d: %.1f ms\n", run + 1, t);
    times.push_back(t);
    SleepMs(200);
  }
  std::sort(times.begin(), times.end());
  const std::size_t n = times.size();
  const double median = n % 2 ? times[n / 2] : (times[n / 2 - 1] + times[n / 2]) / 2;
  std::printf("%dx%d median of %zu: %.1f ms\n", s.width, s.height, n, median);
  XCloseDisplay(s.display);
  return 0;
}
