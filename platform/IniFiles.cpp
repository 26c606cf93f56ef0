#include "platform/IniFiles.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "platform/Classes.h"
#include "platform/SysUtils.h"

namespace {

std::string Trim(const std::string& s) {
  std::size_t a = s.find_first_not_of(" \t\r");
  if (a == std::string::npos) return std::string();
  std::size_t b = s.find_last_not_of(" \t\r");
  return s.substr(a, b - a + 1);
}

}  // namespace

TIniFile::TIniFile(const std::string& fileName) : fileName_(fileName) {
  if (!FileExists(fileName)) return;
  TStringList lines;
  lines.LoadFromFile(fileName, kMaxTextFileBytes);
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
    current->values.emplace_back(Trim(line.substr(0, eq)), Trim(line.substr(eq + 1)));
  }
}

const TIniFile::Section* TIniFile::Find(const std::string& section) const {
  for (const Section& s : sections_)
    if (SameText(s.name, section)) return &s;
  return nullptr;
}

TIniFile::Section& TIniFile::FindOrAdd(const std::string& section) {
  for (Section& s : sections_)
    if (SameText(s.name, section)) return s;
  sections_.push_back(Section{section, {}});
  return sections_.back();
}

std::string TIniFile::ReadString(const std::string& section, const std::string& key, const std::string& def) const {
  if (const Section* s = Find(section))
    for (const auto& [k, v] : s->values)
      if (SameText(k, key)) return v;
  return def;
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
  if (const Section* s = Find(section))
    for (const auto& kv : s->values)
      if (SameText(kv.first, key)) return true;
  return false;
}

void TIniFile::WriteString(const std::string& section, const std::string& key, const std::string& value) {
  Section& s = FindOrAdd(section);
  for (auto& kv : s.values)
    if (SameText(kv.first, key)) {
      kv.second = value;
      return;
    }
  s.values.emplace_back(key, value);
}

void TIniFile::WriteInteger(const std::string& section, const std::string& key, std::int32_t value) {
  WriteString(section, key, std::to_string(value));
}

void TIniFile::WriteBool(const std::string& section, const std::string& key, bool value) {
  WriteString(section, key, value ? "1" : "0");
}

void TIniFile::EraseSection(const std::string& section) {
  for (auto it = sections_.begin(); it != sections_.end(); ++it)
    if (SameText(it->name, section)) {
      sections_.erase(it);
      return;
    }
}

bool TIniFile::UpdateFile() const {
  std::string text;
  for (const Section& s : sections_) {
    text += "[" + s.name + "]\r\n";
    for (const auto& [k, v] : s.values) text += k + "=" + v + "\r\n";
    text += "\r\n";
  }
  std::string tmp = fileName_ + ".tmp";
  try {
    {
      TFileStream f(tmp, fmCreate);
      f.WriteBuffer(text.data(), std::int64_t(text.size()));
      if (!f.FlushToDisk()) throw EWriteError("flush failed");
    }
    if (!RenameFile(tmp, fileName_)) throw EWriteError("rename failed");
    return true;
  } catch (const Exception&) {
    DeleteFile(tmp);
    return false;
  }
}
