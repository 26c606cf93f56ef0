// Time from a click to the picture it brings up on an X screen, seen from
// outside the program: the click is made through the XTEST extension (its
// library is loaded at run time) and the screen is read back through the X
// server.
//
//   click_probe [-n RUNS] [-q] -r Y,Y.. [-p X,Y].. -c X,Y [-b PEER] -- PROGRAM [ARGS...]
//
// Each run starts the program and waits for its settled first picture,
// makes the preparing clicks (-p), each followed by half a second without
// change, then clicks at -c, parks the pointer in the bottom right corner
// and reads the rows given with -r back (half a millisecond apart) until
// they show the picture to expect: the time from the press is the run's.
// A first run, not timed, waits until the rows have stopped changing after
// the click and keeps them as the picture to expect, so the rows must be
// ones that every run shows alike. With -b the peer program is timed too,
// run for run in turn with the program, against its own first run. The
// times are printed one run a line, the medians last.
#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "bench/startup/ScreenProbe.h"

using namespace probe;

namespace {

struct Point {
  int x, y;
};

bool ParsePoint(const char* text, Point& p) { return std::sscanf(text, "%d,%d", &p.x, &p.y) == 2; }

std::vector<int> ParseList(const char* text) {
  std::vector<int> out;
  for (const char* p = text; *p;) {
    char* end;
    out.push_back(int(std::strtol(p, &end, 10)));
    if (end == p) return {};
    p = *end == ',' ? end + 1 : end;
  }
  return out;
}

// The two XTEST calls used, from libXtst.
struct Xtest {
  int (*motion)(Display*, int screen, int x, int y, unsigned long delay) = nullptr;
  int (*button)(Display*, unsigned button, Bool press, unsigned long delay) = nullptr;

  bool Load() {
    void* lib = dlopen("libXtst.so.6", RTLD_NOW);
    if (!lib) return false;
    motion = reinterpret_cast<decltype(motion)>(dlsym(lib, "XTestFakeMotionEvent"));
    button = reinterpret_cast<decltype(button)>(dlsym(lib, "XTestFakeButtonEvent"));
    return motion && button;
  }
};

struct Probe {
  ScreenRows s{};
  Xtest xtest;
  std::vector<Point> prepare;
  Point click{};

  void MoveTo(int x, int y) {
    xtest.motion(s.display, -1, x, y, 0);
    XSync(s.display, False);
  }
  void Click(Point p) {
    MoveTo(p.x, p.y);
    xtest.button(s.display, 1, True, 0);
    xtest.button(s.display, 1, False, 0);
    XSync(s.display, False);
  }

  // One run: the time from the press in ms, or -1 when the program failed.
  // Without expected yet, the settled picture after the click becomes it.
  double Run(char** program, Rows& expected) {
    MoveTo(s.width - 1, s.height - 1);
    const Rows blank = s.Read();
    const pid_t pid = ::probe::Start(program);
    Rows settled;
    bool ok = Settle(s, pid, blank, 1000, settled);
    for (std::size_t i = 0; ok && i < prepare.size(); ++i) {
      Click(prepare[i]);
      MoveTo(s.width - 1, s.height - 1);
      ok = Settle(s, pid, Rows{}, 500, settled);
    }
    double t = -1;
    if (ok) {
      const double t0 = NowMs();
      Click(click);
      MoveTo(s.width - 1, s.height - 1);
      if (expected.empty()) {
        if (Settle(s, pid, settled, 1000, expected)) t = NowMs() - t0;
      } else {
        t = WaitFor(s, pid, expected, t0);
      }
    }
    Stop(pid);
    SleepMs(200);
    return t;
  }
};

}  // namespace

int main(int argc, char** argv) {
  Probe p;
  int runs = 5;
  bool quiet = false, clickGiven = false;
  char* peer = nullptr;
  int i = 1;
  for (; i < argc; ++i) {
    Point point;
    if (!std::strcmp(argv[i], "-n") && i + 1 < argc) runs = std::atoi(argv[++i]);
    else if (!std::strcmp(argv[i], "-q")) quiet = true;
    else if (!std::strcmp(argv[i], "-r") && i + 1 < argc) p.s.rows = ParseList(argv[++i]);
    else if (!std::strcmp(argv[i], "-p") && i + 1 < argc && ParsePoint(argv[i + 1], point)) {
      p.prepare.push_back(point);
      ++i;
    } else if (!std::strcmp(argv[i], "-c") && i + 1 < argc && ParsePoint(argv[i + 1], p.click)) {
      clickGiven = true;
      ++i;
    } else if (!std::strcmp(argv[i], "-b") && i + 1 < argc) peer = argv[++i];
    else if (!std::strcmp(argv[i], "--")) {
      ++i;
      break;
    } else break;
  }
  if (i >= argc || runs < 1 || p.s.rows.empty() || !clickGiven) {
    std::fprintf(stderr, "usage: click_probe [-n RUNS] [-q] -r Y,Y.. [-p X,Y].. -c X,Y [-b PEER] -- PROGRAM [ARGS...]\n");
    return 2;
  }
  char** program = argv + i;
  // The peer takes the program's arguments.
  std::vector<char*> peerArgs;
  if (peer) {
    peerArgs.assign(program, argv + argc);
    peerArgs[0] = peer;
    peerArgs.push_back(nullptr);
  }

  if (!p.xtest.Load()) {
    std::fprintf(stderr, "click_probe: no XTEST library (libXtst.so.6)\n");
    return 2;
  }
  p.s.display = XOpenDisplay(nullptr);
  if (!p.s.display) {
    std::fprintf(stderr, "click_probe: no X display\n");
    return 2;
  }
  p.s.root = DefaultRootWindow(p.s.display);
  p.s.width = DisplayWidth(p.s.display, DefaultScreen(p.s.display));
  p.s.height = DisplayHeight(p.s.display, DefaultScreen(p.s.display));

  struct Timed {
    char** argv;
    const char* name;
    Rows expected;
    std::vector<double> times;
  };
  std::vector<Timed> timed{{program, "program", {}, {}}};
  if (peer) timed.push_back({peerArgs.data(), "peer", {}, {}});
  for (Timed& t : timed)
    if (p.Run(t.argv, t.expected) < 0) {
      std::fprintf(stderr, "click_probe: the %s ended or never settled\n", t.name);
      return 1;
    }
  for (int run = 0; run < runs; ++run)
    for (Timed& t : timed) {
      const double ms = p.Run(t.argv, t.expected);
      if (ms < 0) {
        std::fprintf(stderr, "click_probe: run %d of the %s never showed the picture to expect\n", run + 1, t.name);
        return 1;
      }
      if (!quiet) std::printf("run %d, %s: %.1f ms\n", run + 1, t.name, ms);
      t.times.push_back(ms);
    }
  std::printf("%dx%d median of %d: %.1f ms", p.s.width, p.s.height, runs, Median(timed[0].times));
  if (peer) {
    const double m = Median(timed[1].times);
    std::printf(", peer %.1f ms (%.2f of the peer's)", m, Median(timed[0].times) / m);
  }
  std::printf("\n");
  XCloseDisplay(p.s.display);
  return 0;
}
