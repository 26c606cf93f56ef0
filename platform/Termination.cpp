#include "platform/Termination.h"

#include <fcntl.h>
#include <poll.h>
#include <pthread.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <csignal>
#include <ctime>

namespace {

constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};

volatile std::sig_atomic_t g_requested = 0;
bool g_caught = false;
int g_pipe[2] = {-1, -1};

void SetHandler(void (*handler)(int)) {
  struct sigaction a {};
  a.sa_handler = handler;
  sigemptyset(&a.sa_mask);
  for (int s : kSignals) sigaddset(&a.sa_mask, s);
  // Interrupted reads and writes of files carry on: the files are still
  // to be written on the way out.
  a.sa_flags = SA_RESTART;
  for (int s : kSignals) sigaction(s, &a, nullptr);
}

// Only async-signal-safe calls: a flag, the default handling back for the
// next signal, one byte into the pipe.
void OnSignal(int) {
  const int saved = errno;
  RequestTermination();
  SetHandler(SIG_DFL);
  errno = saved;
}

void DefaultsInChild() { SetHandler(SIG_DFL); }

std::int64_t NowMs() {
  timespec t{};
  clock_gettime(CLOCK_MONOTONIC, &t);
  return std::int64_t(t.tv_sec) * 1000 + t.tv_nsec / 1000000;
}

}  // namespace

void CatchTerminationSignals() {
  if (g_caught) return;
  if (::pipe2(g_pipe, O_CLOEXEC | O_NONBLOCK) != 0) g_pipe[0] = g_pipe[1] = -1;
  pthread_atfork(nullptr, nullptr, DefaultsInChild);
  g_caught = true;
  SetHandler(OnSignal);
}

bool TerminationRequested() { return g_requested != 0; }

void RequestTermination() {
  g_requested = 1;
  if (g_pipe[1] >= 0) {
    const char byte = 1;
    (void)!::write(g_pipe[1], &byte, 1);
  }
}

void ForgetTerminationRequest() {
  g_requested = 0;
  char bytes[64];
  if (g_pipe[0] >= 0)
    while (::read(g_pipe[0], bytes, sizeof bytes) > 0) {
    }
  if (g_caught) SetHandler(OnSignal);
}

int TerminationFd() { return g_pipe[0]; }

void SleepUnlessTerminated(unsigned ms) {
  const std::int64_t end = NowMs() + ms;
  for (;;) {
    if (TerminationRequested()) return;
    const std::int64_t left = end - NowMs();
    if (left <= 0) return;
    if (g_pipe[0] >= 0) {
      pollfd p{g_pipe[0], POLLIN, 0};
      ::poll(&p, 1, int(left));
    } else {
      // Without the pipe the flag is looked at every 10 ms.
      const std::int64_t slice = left < 10 ? left : 10;
      timespec t{time_t(slice / 1000), long(slice % 1000) * 1000000};
      ::nanosleep(&t, nullptr);
    }
  }
}
