#include "platform/SysUtils.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <cerrno>
#include <cstdio>
#include <climits>

namespace {

// Code page 1250, bytes 0x80..0xFF. Bytes the code page leaves undefined map
// to the C1 control of the same value, so every byte survives a round trip.
const char16_t kHigh[128] = {
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021,
    0x0088, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0098, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A,
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7,
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7,
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C,
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7,
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,
};

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += char(c);
  } else if (c < 0x800) {
    out += char(0xC0 | (c >> 6));
    out += char(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += char(0xE0 | (c >> 12));
    out += char(0x80 | ((c >> 6) & 0x3F));
    out += char(0x80 | (c & 0x3F));
  } else {
    out += char(0xF0 | (c >> 18));
    out += char(0x80 | ((c >> 12) & 0x3F));
    out += char(0x80 | ((c >> 6) & 0x3F));
    out += char(0x80 | (c & 0x3F));
  }
}

char UnicodeToCp1250(char32_t c) {
  if (c < 0x80) return char(c);
  for (int i = 0; i < 128; ++i)
    if (kHigh[i] == c) return char(0x80 + i);
  return '?';
}

bool IsDelimiter(char c) { return c == '\\' || c == ':'; }

char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? char(c + 32) : c; }

bool Exists(const std::string& native, struct stat* st) { return ::stat(native.c_str(), st) == 0; }

bool LessIgnoreCase(const std::string& a, const std::string& b) {
  std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    unsigned char x = (unsigned char)AsciiLower(a[i]), y = (unsigned char)AsciiLower(b[i]);
    if (x != y) return x < y;
  }
  if (a.size() != b.size()) return a.size() < b.size();
  return a < b;
}

}  // namespace

std::string Diagnosis(const std::exception& e) {
  const auto* x = dynamic_cast<const Exception*>(&e);
  if (!x) return e.what();
  return x->Detail.empty() ? x->Message : x->Message + ": " + x->Detail;
}

void ReportFailure(const std::string& text) { std::fprintf(stderr, "trelamondo: %s\n", Cp1250ToUtf8(text).c_str()); }

void NameFileInError(Exception& e, const std::string& fileName) {
  const std::string named = fileName + ": ";
  if (e.Message.compare(0, named.size(), named) != 0) e.Message = named + e.Message;
}

bool SameText(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
  return true;
}

char16_t Cp1250ToUnicode(unsigned char c) { return c < 0x80 ? char16_t(c) : kHigh[c - 0x80]; }

std::string Cp1250ToUtf8(const std::string& s) {
  std::string out;
  out.reserve(s.size() + s.size() / 4);
  for (unsigned char c : s) AppendUtf8(out, Cp1250ToUnicode(c));
  return out;
}

std::u16string Cp1250ToUtf16(const std::string& s) {
  std::u16string out;
  out.reserve(s.size());
  for (unsigned char c : s) out += Cp1250ToUnicode(c);
  return out;
}

std::string Utf32ToUtf8(const std::u32string& s) {
  std::string out;
  for (char32_t c : s) AppendUtf8(out, c);
  return out;
}

std::string Utf8ToCp1250(const std::string& s) {
  std::string out;
  out.reserve(s.size());
  std::size_t i = 0;
  while (i < s.size()) {
    unsigned char c = (unsigned char)s[i];
    char32_t cp;
    int len;
    if (c < 0x80) { cp = c; len = 1; }
    else if ((c & 0xE0) == 0xC0) { cp = c & 0x1F; len = 2; }
    else if ((c & 0xF0) == 0xE0) { cp = c & 0x0F; len = 3; }
    else if ((c & 0xF8) == 0xF0) { cp = c & 0x07; len = 4; }
    else { out += '?'; ++i; continue; }
    if (i + len > s.size()) { out += '?'; break; }
    bool ok = true;
    for (int k = 1; k < len; ++k) {
      unsigned char d = (unsigned char)s[i + k];
      if ((d & 0xC0) != 0x80) { ok = false; break; }
      cp = (cp << 6) | (d & 0x3F);
    }
    if (!ok) { out += '?'; ++i; continue; }
    out += UnicodeToCp1250(cp);
    i += len;
  }
  return out;
}

std::string NativePath(const std::string& path) {
  std::string p = Cp1250ToUtf8(path);
  std::replace(p.begin(), p.end(), '\\', '/');
  if (p.empty()) return p;

  // Resolve component by component; an exact match wins, then a match that
  // differs only in ASCII case. Components that don't exist are kept as given.
  std::string out;
  std::size_t pos = 0;
  if (p[0] == '/') { out = "/"; pos = 1; }
  bool resolving = true;
  while (pos <= p.size()) {
    std::size_t slash = p.find('/', pos);
    if (slash == std::string::npos) slash = p.size();
    std::string comp = p.substr(pos, slash - pos);
    pos = slash + 1;
    if (comp.empty()) continue;
    std::string dir = out.empty() ? "." : out;
    std::string candidate = out.empty() || out.back() == '/' ? out + comp : out + "/" + comp;
    if (resolving && comp != "." && comp != "..") {
      struct stat st;
      if (!Exists(candidate, &st)) {
        std::string found;
        if (DIR* d = ::opendir(dir.c_str())) {
          std::vector<std::string> matches;
          while (dirent* e = ::readdir(d))
            if (SameText(e->d_name, comp)) matches.push_back(e->d_name);
          ::closedir(d);
          if (!matches.empty()) {
            std::sort(matches.begin(), matches.end());
            found = matches.front();
          }
        }
        if (found.empty()) resolving = false;
        else candidate = out.empty() || out.back() == '/' ? out + found : out + "/" + found;
      }
    }
    out = candidate;
    if (slash == p.size()) break;
  }
  if (p.back() == '/' && (out.empty() || out.back() != '/')) out += '/';
  return out;
}

std::string ExtractFileName(const std::string& path) {
  std::size_t i = path.size();
  while (i > 0 && !IsDelimiter(path[i - 1])) --i;
  return path.substr(i);
}

std::string ExtractFilePath(const std::string& path) {
  std::size_t i = path.size();
  while (i > 0 && !IsDelimiter(path[i - 1])) --i;
  return path.substr(0, i);
}

std::string ExtractFileExt(const std::string& path) {
  std::size_t i = path.size();
  while (i > 0 && !IsDelimiter(path[i - 1])) {
    if (path[i - 1] == '.') return path.substr(i - 1);
    --i;
  }
  return std::string();
}

std::string IncludeTrailingPathDelimiter(const std::string& path) {
  if (!path.empty() && path.back() == '\\') return path;
  return path + "\\";
}

bool FileExists(const std::string& name) {
  if (name.empty()) return false;
  struct stat st;
  return Exists(NativePath(name), &st) && S_ISREG(st.st_mode);
}

bool DirectoryExists(const std::string& name) {
  if (name.empty()) return false;
  struct stat st;
  return Exists(NativePath(name), &st) && S_ISDIR(st.st_mode);
}

bool CreateDir(const std::string& name) { return ::mkdir(NativePath(name).c_str(), 0777) == 0; }

bool ForceDirectories(const std::string& name) {
  if (name.empty()) return false;
  std::error_code ec;
  std::filesystem::create_directories(NativePath(name), ec);
  return DirectoryExists(name);
}

bool DeleteFile(const std::string& name) { return ::unlink(NativePath(name).c_str()) == 0; }

bool RenameFile(const std::string& from, const std::string& to) {
  return std::rename(NativePath(from).c_str(), NativePath(to).c_str()) == 0;
}

std::int64_t FileSize(const std::string& name) {
  struct stat st;
  if (!Exists(NativePath(name), &st) || !S_ISREG(st.st_mode)) return -1;
  return st.st_size;
}

std::string GetCurrentDir() {
  std::vector<char> buf(PATH_MAX + 1);
  if (!::getcwd(buf.data(), buf.size())) return std::string();
  return Utf8ToCp1250(buf.data());
}

bool SetCurrentDir(const std::string& dir) { return ::chdir(NativePath(dir).c_str()) == 0; }

bool MatchesMask(const std::string& name, const std::string& mask) {
  // Iterative wildcard match with one backtrack point.
  std::size_t n = 0, m = 0, starM = std::string::npos, starN = 0;
  while (n < name.size()) {
    // A star in the mask is always a wildcard, even against a star in the name.
    if (m < mask.size() && mask[m] == '*') {
      starM = m++; starN = n;
    } else if (m < mask.size() && (mask[m] == '?' || AsciiLower(mask[m]) == AsciiLower(name[n]))) {
      ++n; ++m;
    } else if (starM != std::string::npos) {
      m = starM + 1; n = ++starN;
    } else {
      return false;
    }
  }
  while (m < mask.size() && mask[m] == '*') ++m;
  // "*.*" also matches a name without a dot, as on the desktop.
  if (m + 2 == mask.size() && mask.compare(m, 2, ".*") == 0) return true;
  return m == mask.size();
}

int FindFirst(const std::string& pathAndMask, int attr, TSearchRec& rec) {
  rec = TSearchRec{};
  std::string folder = ExtractFilePath(pathAndMask);
  std::string mask = ExtractFileName(pathAndMask);
  std::string native = folder.empty() ? std::string(".") : NativePath(folder);
  DIR* d = ::opendir(native.c_str());
  if (!d) return ENOENT;
  std::vector<TSearchRec> found;
  while (dirent* e = ::readdir(d)) {
    std::string name = e->d_name;
    if (name == "." || name == "..") continue;
    struct stat st;
    std::string full = native + (native.back() == '/' ? "" : "/") + name;
    if (::stat(full.c_str(), &st) != 0) continue;
    int a = 0;
    if (name[0] == '.') a |= faHidden;
    if (S_ISDIR(st.st_mode)) a |= faDirectory;
    else if (!S_ISREG(st.st_mode)) continue;
    else a |= faArchive;
    if ((a & faHidden) && !(attr & faHidden)) continue;
    if ((a & faDirectory) && !(attr & faDirectory)) continue;
    std::string cpName = Utf8ToCp1250(name);
    if (!MatchesMask(cpName, mask)) continue;
    TSearchRec r;
    r.Name = cpName;
    r.Attr = a;
    r.Size = S_ISREG(st.st_mode) ? st.st_size : 0;
    found.push_back(std::move(r));
  }
  ::closedir(d);
  std::sort(found.begin(), found.end(), [](const TSearchRec& a, const TSearchRec& b) { return LessIgnoreCase(a.Name, b.Name); });
  rec.pending_ = std::move(found);
  rec.next_ = 0;
  return FindNext(rec);
}

int FindNext(TSearchRec& rec) {
  if (rec.next_ >= rec.pending_.size()) return ENOENT;
  const TSearchRec& r = rec.pending_[rec.next_++];
  rec.Name = r.Name;
  rec.Attr = r.Attr;
  rec.Size = r.Size;
  return 0;
}

void FindClose(TSearchRec& rec) {
  rec.pending_.clear();
  rec.next_ = 0;
}
