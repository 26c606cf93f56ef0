// One running copy at a time.
//
// The first copy holds a lock on "trelamondo5.lock" in the user's runtime
// folder ($XDG_RUNTIME_DIR, else a folder of the user's own under the
// system's temporary folder) and listens on the local socket
// "trelamondo5.sock" beside it. A later copy that finds the lock taken
// knocks on the socket; the running copy answers and comes to the front, and
// the later copy ends. Only when no answer comes does the later copy tell the
// user that the program is already running. The lock goes with the process
// (a child it forked does not hold it), so a crashed copy never blocks the
// next start. One process holds one CSingleInstance.
#pragma once
#include <cstdint>
#include <string>

class CSingleInstance {
 public:
  enum Result { First, RunningCopyRaised, RunningCopyUnreachable };

  // folder: native path of the folder for the lock and socket; empty for
  // DefaultFolder().
  explicit CSingleInstance(std::string folder = std::string());
  ~CSingleInstance();
  CSingleInstance(const CSingleInstance&) = delete;
  CSingleInstance& operator=(const CSingleInstance&) = delete;

  // Takes the lock (and starts listening), or knocks on the running copy,
  // waiting up to waitMs for its answer.
  Result Acquire(int waitMs = 3000);
  // The first copy: answers every knock waiting; true when at least one
  // later copy asked for the program to come to the front.
  bool AnswerKnocks();
  // Lets the lock and the socket go.
  void Release();

  // Empty when no trustworthy folder was found: the copy runs unguarded.
  const std::string& Folder() const { return folder_; }

  // $XDG_RUNTIME_DIR, else "trelamondo-<uid>" under $TMPDIR (or /tmp), made
  // when missing; empty when that folder is a link, is not ours or is open
  // to others.
  static std::string DefaultFolder();

 private:
  bool Knock(int waitMs);

  std::string folder_;
  int lockFd_ = -1;
  int listenFd_ = -1;
};

// The message a later copy shows when the running one cannot be reached.
extern const char* const kAlreadyRunningText;
