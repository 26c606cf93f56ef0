#include "shell/Singleinstance.h"

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <thread>

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

const char* const kAlreadyRunningText =
    "Aplikacja jest aktualnie uruchomiona.\n\nZamknij proces aplikajcji lub uruchom ponownie komputer.";

namespace {

const char* const kLockName = "trelamondo5.lock";
const char* const kSocketName = "trelamondo5.sock";
const char kKnock[] = "front\n";
const char kAnswer[] = "ok\n";

bool SocketAddress(const std::string& path, sockaddr_un& addr) {
  std::memset(&addr, 0, sizeof addr);
  addr.sun_family = AF_UNIX;
  if (path.size() >= sizeof addr.sun_path) return false;
  std::memcpy(addr.sun_path, path.c_str(), path.size() + 1);
  return true;
}

void CloseFd(int& fd) {
  if (fd >= 0) ::close(fd);
  fd = -1;
}

// A folder only this user can have made and can change: a real folder (not
// a link), owned by us, with no rights for anyone else.
bool PrivateFolder(const std::string& dir) {
  struct stat st{};
  return ::lstat(dir.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::getuid() &&
         (st.st_mode & 07777) == 0700;
}

}  // namespace

std::string CSingleInstance::DefaultFolder() {
  const char* run = std::getenv("XDG_RUNTIME_DIR");
  if (run && *run) {
    struct stat st{};
    if (::stat(run, &st) == 0 && S_ISDIR(st.st_mode)) return run;
  }
  const char* tmp = std::getenv("TMPDIR");
  std::string base = tmp && *tmp ? tmp : "/tmp";
  std::string dir = base + "/trelamondo-" + std::to_string(::getuid());
  ::mkdir(dir.c_str(), 0700);
  // In a shared temporary folder anyone may have made that name first. A
  // folder that is not plainly ours is not trusted with the lock and the
  // socket: the program then runs without the single-copy guard, which
  // costs at most a second copy, rather than answer a stranger's socket.
  if (!PrivateFolder(dir)) return std::string();
  return dir;
}

CSingleInstance::CSingleInstance(std::string folder) : folder_(folder.empty() ? DefaultFolder() : std::move(folder)) {}

CSingleInstance::~CSingleInstance() { Release(); }

CSingleInstance::Result CSingleInstance::Acquire(int waitMs) {
  if (lockFd_ >= 0) return First;
  // No folder we can trust: run unguarded.
  if (folder_.empty()) return First;
  std::string lockPath = folder_ + "/" + kLockName;
  int fd = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  // A classic record lock belongs to this process alone: a child it forks
  // (the desktop's message box) does not hold it, so the lock goes when this
  // process ends, however the child lives on.
  struct flock whole {};
  whole.l_type = F_WRLCK;
  whole.l_whence = SEEK_SET;
  if (fd >= 0 && ::fcntl(fd, F_SETLK, &whole) == 0) {
    lockFd_ = fd;
    // Holding the lock, any socket left there belongs to a copy that is gone.
    std::string sockPath = folder_ + "/" + kSocketName;
    sockaddr_un addr;
    if (SocketAddress(sockPath, addr)) {
      ::unlink(sockPath.c_str());
      int s = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
      if (s >= 0 && ::bind(s, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0 && ::listen(s, 8) == 0) {
        listenFd_ = s;
      } else if (s >= 0) {
        ::close(s);
      }
    }
    return First;
  }
  bool taken = fd >= 0 && (errno == EACCES || errno == EAGAIN);
  if (fd >= 0) ::close(fd);
  // A folder where no lock can be made: run rather than refuse to start.
  if (!taken) return First;
  return Knock(waitMs) ? RunningCopyRaised : RunningCopyUnreachable;
}

bool CSingleInstance::Knock(int waitMs) {
  sockaddr_un addr;
  if (!SocketAddress(folder_ + "/" + kSocketName, addr)) return false;
  auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMs);
  auto left = [&] {
    return int(std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now()).count());
  };
  // The running copy may be starting itself: it listens a moment after it locks.
  while (left() > 0) {
    int s = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (s < 0) return false;
    if (::connect(s, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0) {
      bool answered = false;
      if (::send(s, kKnock, sizeof kKnock - 1, MSG_NOSIGNAL) == ssize_t(sizeof kKnock - 1)) {
        pollfd p{s, POLLIN, 0};
        char buf[8] = {};
        int ms = left();
        if (ms > 0 && ::poll(&p, 1, ms) == 1 && ::recv(s, buf, sizeof buf - 1, 0) > 0)
          answered = std::strncmp(buf, kAnswer, 2) == 0;
      }
      ::close(s);
      return answered;
    }
    ::close(s);
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return false;
}

bool CSingleInstance::AnswerKnocks() {
  if (listenFd_ < 0) return false;
  bool raised = false;
  for (;;) {
    int c = ::accept4(listenFd_, nullptr, nullptr, SOCK_CLOEXEC);
    if (c < 0) break;
    pollfd p{c, POLLIN, 0};
    char buf[16] = {};
    if (::poll(&p, 1, 200) == 1 && ::recv(c, buf, sizeof buf - 1, 0) > 0 && std::strncmp(buf, kKnock, 5) == 0) {
      ::send(c, kAnswer, sizeof kAnswer - 1, MSG_NOSIGNAL);
      raised = true;
    }
    ::close(c);
  }
  return raised;
}

void CSingleInstance::Release() {
  if (listenFd_ >= 0) {
    CloseFd(listenFd_);
    ::unlink((folder_ + "/" + kSocketName).c_str());
  }
  CloseFd(lockFd_);
}
