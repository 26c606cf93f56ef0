// What the probes that time the program from outside share: a clock, the
// program started and stopped as a child, and a few rows of the X screen
// read back through the server.
#pragma once
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace probe {

inline double NowMs() {
  timespec ts;
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return double(ts.tv_sec) * 1e3 + double(ts.tv_nsec) / 1e6;
}

inline void SleepMs(double ms) {
  timespec ts{time_t(ms / 1000), long((ms - double(time_t(ms / 1000)) * 1000) * 1e6)};
  nanosleep(&ts, nullptr);
}

using Rows = std::vector<std::vector<unsigned long>>;

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
  Rows Read() const {
    Rows out;
    for (int y : rows) out.push_back(Row(y));
    return out;
  }
  // Whether every row shows what expected holds, read row by row.
  bool Shows(const Rows& expected) const {
    for (std::size_t r = 0; r < rows.size(); ++r)
      if (Row(rows[r]) != expected[r]) return false;
    return true;
  }
};

// Forks and execs the program, its output thrown away.
inline pid_t Start(char** argv) {
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

// SIGTERM, then SIGKILL if the program lingers.
inline void Stop(pid_t pid) {
  kill(pid, SIGTERM);
  for (int i = 0; i < 300; ++i) {
    if (waitpid(pid, nullptr, WNOHANG) == pid) return;
    SleepMs(10);
  }
  kill(pid, SIGKILL);
  waitpid(pid, nullptr, 0);
}

inline bool Exited(pid_t pid) { return waitpid(pid, nullptr, WNOHANG) == pid; }

// Waits until the rows have stayed the same for stableMs and differ from
// unlike; false when the program ends or nothing settles within 30 s.
inline bool Settle(const ScreenRows& s, pid_t pid, const Rows& unlike, double stableMs, Rows& settled) {
  Rows last = s.Read();
  double stableSince = NowMs();
  const double begin = stableSince;
  while (NowMs() - stableSince < stableMs || last == unlike) {
    if (Exited(pid) || NowMs() - begin > 30000) return false;
    SleepMs(20);
    Rows now = s.Read();
    if (now != last) {
      last = now;
      stableSince = NowMs();
    }
  }
  settled = last;
  return true;
}

// Reads the rows back, half a millisecond apart, until they show expected:
// the time since t0 in ms, or -1 when the program ends or 30 s pass first.
inline double WaitFor(const ScreenRows& s, pid_t pid, const Rows& expected, double t0) {
  while (NowMs() - t0 < 30000 && !Exited(pid)) {
    if (s.Shows(expected)) return NowMs() - t0;
    SleepMs(0.5);
  }
  return -1;
}

inline double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  const std::size_t n = v.size();
  return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

}  // namespace probe
