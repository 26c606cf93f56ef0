// A scratch folder for one test, removed with everything in it afterwards.
#pragma once
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <unistd.h>

namespace testsupport {

class TempDir {
 public:
  TempDir() {
    std::string tmpl = (std::filesystem::temp_directory_path() / "twtest-XXXXXX").string();
    std::vector<char> buf(tmpl.begin(), tmpl.end());
    buf.push_back(0);
    path_ = ::mkdtemp(buf.data());
  }
  ~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  // Native absolute path of the folder (usable as a program path too).
  const std::string& Path() const { return path_; }
  std::string File(const std::string& rel) const { return path_ + "/" + rel; }

  // Writes a file (creating folders) and returns its native path.
  std::string Write(const std::string& rel, const std::vector<std::uint8_t>& bytes) const {
    std::filesystem::path p = std::filesystem::path(path_) / rel;
    std::filesystem::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary).write((const char*)bytes.data(), std::streamsize(bytes.size()));
    return p.string();
  }
  std::string Write(const std::string& rel, const std::string& text) const {
    return Write(rel, std::vector<std::uint8_t>(text.begin(), text.end()));
  }

 private:
  std::string path_;
};

// Runs in a folder and returns to the previous one afterwards.
class ScopedCwd {
 public:
  explicit ScopedCwd(const std::string& dir) : old_(std::filesystem::current_path()) {
    std::filesystem::current_path(dir);
  }
  ~ScopedCwd() {
    std::error_code ec;
    std::filesystem::current_path(old_, ec);
  }

 private:
  std::filesystem::path old_;
};

}  // namespace testsupport
