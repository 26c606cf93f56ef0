#include "platform/IniFiles.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/Classes.h"
#include "platform/SysUtils.h"

namespace {

std::string Trim(const std::string& s) {
  std::size_t a = s.find_first_not_of(" \t\r");
  if (a == std::string::npos) return std::string();
  std::size_t b = s.find_last_not_of(" \t\r");
  return s.substr(a, b - a + 1);
}

// Names compare without regard to ASCII case: they are kept folded to capitals.
std::string Fold(std::string s) {
  for (char& c : s)
    if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
  return s;
}

bool WriteAll(int fd, const std::string& text) {
  std::size_t done = 0;
  while (done < text.size()) {
    const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += std::size_t(n);
  }
  return true;
}

// Errors that say the folder takes no new file, where the file itself may still be written.
bool FolderRefuses(int error) { return error == EACCES || error == EPERM || error == EROFS; }

class Fd {
 public:
  explicit Fd(int fd) : fd_(fd) {}
  ~Fd() {
    if (fd_ >= 0) ::close(fd_);
  }
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  int get() const { return fd_; }
  // Closes now; false when the close reports a failed write.
  bool Close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

}  // namespace

TIniFile::TIniFile(const std::string& fileName, bool read) : fileName_(fileName) {
  if (!read || !FileExists(fileName)) return;
  TStringList lines;
  lines.LoadFromFile(fileName, kMaxTextFileBytes);
  // Every line is at most one section or one key: the tables never grow while reading.
  index_.reserve(std::size_t(lines.Count()));
  keys_.reserve(std::size_t(lines.Count()));
  Section* current = nullptr;
  for (const std::string& raw : lines.Items()) {
    std::string line = Trim(raw);
    if (line.empty() || line[0] == ';') continue;
    if (line[0] == '[') {
      std::size_t close = line.find(']');
      current = &FindOrAdd(Trim(line.substr(1, close == std::string::npos ? std::string::npos : close - 1)));
      continue;
    }
    std::size_t eq = line.find('=');
    if (!current || eq == std::string::npos) continue;
    Add(*current, Trim(line.substr(0, eq)), Trim(line.substr(eq + 1)));
  }
}

namespace {
std::string KeyOf(const std::string& foldedSection, const std::string& key) { return foldedSection + '\0' + Fold(key); }
}  // namespace

const TIniFile::Section* TIniFile::Find(const std::string& section) const {
  auto it = index_.find(Fold(section));
  return it == index_.end() ? nullptr : &sections_[it->second];
}

TIniFile::Section& TIniFile::FindOrAdd(const std::string& section) {
  std::string folded = Fold(section);
  auto [it, added] = index_.emplace(folded, sections_.size());
  if (added) sections_.push_back(Section{section, std::move(folded), {}});
  return sections_[it->second];
}

void TIniFile::Add(Section& s, std::string key, std::string value) {
  // A repeated key is kept in the file; the first one is the one read and written.
  keys_.emplace(KeyOf(s.folded, key), s.values.size());
  s.values.emplace_back(std::move(key), std::move(value));
}

std::size_t TIniFile::Place(const Section& s, const std::string& key) const {
  auto it = keys_.find(KeyOf(s.folded, key));
  return it == keys_.end() ? std::string::npos : it->second;
}

std::string TIniFile::ReadString(const std::string& section, const std::string& key, const std::string& def) const {
  const Section* s = Find(section);
  const std::size_t at = s ? Place(*s, key) : std::string::npos;
  return at == std::string::npos ? def : s->values[at].second;
}

std::int32_t TIniFile::ReadInteger(const std::string& section, const std::string& key, std::int32_t def) const {
  std::string v = ReadString(section, key, std::string());
  if (v.empty()) return def;
  errno = 0;
  char* end = nullptr;
  long long n = (v.size() > 2 && v[0] == '0' && (v[1] == 'x' || v[1] == 'X')) ? std::strtoll(v.c_str() + 2, &end, 16)
                                                                              : std::strtoll(v.c_str(), &end, 10);
  if (errno != 0 || !end || *end != 0 || n < INT32_MIN || n > UINT32_MAX) return def;
  return std::int32_t(std::uint32_t(n));
}

bool TIniFile::ReadBool(const std::string& section, const std::string& key, bool def) const {
  return ReadInteger(section, key, def ? 1 : 0) != 0;
}

bool TIniFile::SectionExists(const std::string& section) const { return Find(section) != nullptr; }

bool TIniFile::ValueExists(const std::string& section, const std::string& key) const {
  const Section* s = Find(section);
  return s && Place(*s, key) != std::string::npos;
}

void TIniFile::WriteString(const std::string& section, const std::string& key, const std::string& value) {
  Section& s = FindOrAdd(section);
  const std::size_t at = Place(s, key);
  if (at != std::string::npos) s.values[at].second = value;
  else Add(s, key, value);
}

void TIniFile::WriteInteger(const std::string& section, const std::string& key, std::int32_t value) {
  WriteString(section, key, std::to_string(value));
}

void TIniFile::WriteBool(const std::string& section, const std::string& key, bool value) {
  WriteString(section, key, value ? "1" : "0");
}

void TIniFile::EraseSection(const std::string& section) {
  auto it = index_.find(Fold(section));
  if (it == index_.end()) return;
  const Section& gone = sections_[it->second];
  for (const auto& kv : gone.values) keys_.erase(KeyOf(gone.folded, kv.first));
  sections_.erase(sections_.begin() + std::ptrdiff_t(it->second));
  index_.clear();
  for (std::size_t i = 0; i < sections_.size(); ++i) index_.emplace(sections_[i].folded, i);
}

std::string TIniFile::Text() const {
  std::string text;
  for (const Section& s : sections_) {
    text += "[" + s.name + "]\r\n";
    for (const auto& [k, v] : s.values) text += k + "=" + v + "\r\n";
    text += "\r\n";
  }
  return text;
}

bool TIniFile::UpdateFile() const {
  const std::string text = Text();
  error_.clear();
  auto fail = [this](const std::string& what, const std::string& file) {
    error_ = what + " \"" + file + "\": " + std::strerror(errno);
    return false;
  };
  const std::string native = NativePath(fileName_);
  struct stat st {};
  const bool exists = ::stat(native.c_str(), &st) == 0;
  // An existing file that does not open for writing is not replaced.
  Fd file(exists ? ::open(native.c_str(), O_WRONLY | O_CLOEXEC) : -1);
  if (exists && file.get() < 0) return fail("Cannot open for writing", fileName_);

  const std::string tmp = fileName_ + ".tmp";
  const std::string nativeTmp = NativePath(tmp);
  Fd out(::open(nativeTmp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
  bool inPlace = out.get() < 0 && exists && FolderRefuses(errno);
  if (out.get() < 0 && !inPlace) return fail("Cannot create", tmp);
  if (!inPlace) {
    // The umask must not narrow the file's mode.
    if ((exists && ::fchmod(out.get(), st.st_mode & 07777) != 0) || !WriteAll(out.get(), text) ||
        ::fsync(out.get()) != 0 || !out.Close()) {
      fail("Cannot write", tmp);
      ::unlink(nativeTmp.c_str());
      return false;
    }
    if (::rename(nativeTmp.c_str(), native.c_str()) == 0) return true;
    const int error = errno;
    ::unlink(nativeTmp.c_str());
    errno = error;
    if (!exists || !FolderRefuses(error)) return fail("Cannot replace", fileName_);
  }
  // A folder that takes no new file: the file is rewritten where it is.
  if (::ftruncate(file.get(), 0) != 0 || !WriteAll(file.get(), text) || ::fsync(file.get()) != 0 || !file.Close())
    return fail("Cannot write", fileName_);
  return true;
}
