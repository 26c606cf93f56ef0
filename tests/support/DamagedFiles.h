// Files made damaged on purpose, for the tests of what the program refuses.
#pragma once
#include <gtest/gtest.h>

#include <sys/resource.h>

#include <csignal>
#include <cstdint>
#include <vector>

namespace testsupport {

// A JPEG's bytes with the size in its frame header changed.
inline std::vector<std::uint8_t> JpegDeclaringSize(std::vector<std::uint8_t> jpeg, int w, int h) {
  for (std::size_t i = 2; i + 9 < jpeg.size(); ++i)
    if (jpeg[i] == 0xFF && jpeg[i + 1] == 0xC0) {
      jpeg[i + 5] = std::uint8_t(h >> 8);
      jpeg[i + 6] = std::uint8_t(h);
      jpeg[i + 7] = std::uint8_t(w >> 8);
      jpeg[i + 8] = std::uint8_t(w);
      return jpeg;
    }
  ADD_FAILURE() << "no frame header";
  return jpeg;
}

// While it lives no file of the process grows past `bytes`: writes beyond
// fail as on a full disk (the signal such a write raises is ignored).
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    ::getrlimit(RLIMIT_FSIZE, &old_);
    handler_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = old_;
    limit.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &old_);
    std::signal(SIGXFSZ, handler_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit old_{};
  void (*handler_)(int) = nullptr;
};

}  // namespace testsupport
