// INI files: sections of "key=value" lines, read whole and written whole.
#pragma once
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

class TIniFile {
 public:
  // Reads the file when it exists; a missing file is an empty one.
  // Raises EFOpenError when the file exists but cannot be read.
  explicit TIniFile(const std::string& fileName);

  const std::string& FileName() const { return fileName_; }

  std::string ReadString(const std::string& section, const std::string& key, const std::string& def) const;
  // Decimal (or 0x hexadecimal) integers; anything else gives the default.
  std::int32_t ReadInteger(const std::string& section, const std::string& key, std::int32_t def) const;
  bool ReadBool(const std::string& section, const std::string& key, bool def) const;
  bool SectionExists(const std::string& section) const;
  bool ValueExists(const std::string& section, const std::string& key) const;

  void WriteString(const std::string& section, const std::string& key, const std::string& value);
  void WriteInteger(const std::string& section, const std::string& key, std::int32_t value);
  void WriteBool(const std::string& section, const std::string& key, bool value);
  void EraseSection(const std::string& section);

  // Writes the whole file to a temporary file beside it and renames that
  // over the old one, so a crash or a full disk never leaves half a file.
  // False when it could not be written.
  bool UpdateFile() const;

 private:
  struct Section {
    std::string name;
    std::vector<std::pair<std::string, std::string>> values;
  };
  const Section* Find(const std::string& section) const;
  Section& FindOrAdd(const std::string& section);

  std::string fileName_;
  std::vector<Section> sections_;
};
