// A scratch folder for the targets that read files, made once and removed
// at exit, and the writing of an input into it.
#pragma once
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace fuzzsupport {

inline const std::string& Scratch() {
  // Never destroyed: the exit handler still needs it.
  static const std::string* dir = [] {
    auto* d = new std::string(std::string(access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp") + "/tw-fuzz-XXXXXX");
    if (!mkdtemp(d->data())) std::abort();
    std::atexit([] {
      std::error_code ec;
      std::filesystem::remove_all(Scratch(), ec);
    });
    return d;
  }();
  return *dir;
}

// Writes the bytes to a file under the scratch folder (folders made as
// needed) and returns its native path.
inline std::string Put(const std::string& rel, const std::uint8_t* data, std::size_t size) {
  const std::filesystem::path p = std::filesystem::path(Scratch()) / rel;
  std::filesystem::create_directories(p.parent_path());
  std::FILE* f = std::fopen(p.c_str(), "wb");
  if (!f) std::abort();
  if (size && std::fwrite(data, 1, size, f) != size) std::abort();
  std::fclose(f);
  return p.string();
}

}  // namespace fuzzsupport
