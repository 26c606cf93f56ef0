// Other copies of the program's single-copy guard, each in a process of its
// own: the lock is a process's, so a copy in the test's own process would
// never meet it.
#pragma once
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <string>
#include <thread>

#include "shell/Singleinstance.h"

namespace shelltest {

// A running copy: takes the lock in a child process and answers knocks
// there until it is stopped. With leaveAChildBehind it forks a child that
// keeps its descriptors, as the desktop's message box does, and is killed
// itself; the child lives on until the copy is stopped.
class OtherCopy {
 public:
  explicit OtherCopy(const std::string& folder, bool leaveAChildBehind = false) {
    int ready[2], stop[2];
    if (::pipe(ready) != 0 || ::pipe(stop) != 0) return;
    pid_ = ::fork();
    if (pid_ == 0) {
      ::close(ready[0]);
      ::close(stop[1]);
      CSingleInstance copy(folder);
      const char result = char('0' + copy.Acquire(200));
      if (leaveAChildBehind && ::fork() == 0) {
        char c;
        while (::read(stop[0], &c, 1) > 0) {
        }
        _exit(0);
      }
      if (::write(ready[1], &result, 1) != 1) _exit(1);
      if (leaveAChildBehind) ::kill(::getpid(), SIGKILL);
      for (;;) {
        copy.AnswerKnocks();
        pollfd p{stop[0], POLLIN, 0};
        if (::poll(&p, 1, 5) == 1) break;
      }
      copy.Release();
      _exit(0);
    }
    ::close(ready[1]);
    ::close(stop[0]);
    stop_ = stop[1];
    char result = 0;
    if (::read(ready[0], &result, 1) == 1) result_ = CSingleInstance::Result(result - '0');
    ::close(ready[0]);
    if (leaveAChildBehind) Reap();
  }
  ~OtherCopy() { Stop(); }
  OtherCopy(const OtherCopy&) = delete;
  OtherCopy& operator=(const OtherCopy&) = delete;

  CSingleInstance::Result Result() const { return result_; }
  // Ends the copy (and any child it left) and waits for it.
  void Stop() {
    if (stop_ >= 0) ::close(stop_);
    stop_ = -1;
    Reap();
  }

 private:
  void Reap() {
    if (pid_ > 0) ::waitpid(pid_, nullptr, 0);
    pid_ = -1;
  }
  pid_t pid_ = -1;
  int stop_ = -1;
  CSingleInstance::Result result_ = CSingleInstance::RunningCopyUnreachable;
};

// A later copy starting in a child process: what it finds once it is done.
class LaterCopy {
 public:
  LaterCopy(const std::string& folder, int waitMs) : pid_(::fork()) {
    if (pid_ == 0) _exit(CSingleInstance(folder).Acquire(waitMs));
  }
  ~LaterCopy() {
    while (!Done()) std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  LaterCopy(const LaterCopy&) = delete;
  LaterCopy& operator=(const LaterCopy&) = delete;

  bool Done() {
    int status = 0;
    if (pid_ > 0 && ::waitpid(pid_, &status, WNOHANG) == pid_) {
      pid_ = -1;
      if (WIFEXITED(status)) result_ = CSingleInstance::Result(WEXITSTATUS(status));
    }
    return pid_ <= 0;
  }
  CSingleInstance::Result Result() const { return result_; }

 private:
  pid_t pid_;
  CSingleInstance::Result result_ = CSingleInstance::RunningCopyUnreachable;
};

// What a later copy finds; whileWaiting runs in this process meanwhile (a
// running copy here answers its knock).
inline CSingleInstance::Result AcquireElsewhere(const std::string& folder, int waitMs,
                                               const std::function<void()>& whileWaiting = {}) {
  LaterCopy later(folder, waitMs);
  while (!later.Done()) {
    if (whileWaiting) whileWaiting();
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  return later.Result();
}

}  // namespace shelltest
