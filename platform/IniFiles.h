// INI files: sections of "key=value" lines, read whole and written whole.
// Sections and keys are found by name without regard to ASCII case, in time
// that does not grow with their number.
#pragma once
#include <cstdint>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

class TIniFile {
 public:
  // Reads the file when it exists; a missing file is an empty one.
  // Raises EFOpenError when the file exists but cannot be read, EReadError
  // when it is larger than kMaxTextFileBytes. Without read it starts empty,
  // for a file to be written anew.
  explicit TIniFile(const std::string& fileName, bool read = true);

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

  // The file's text as UpdateFile writes it.
  std::string Text() const;
  // Writes the whole file. A file that exists must open for writing, or
  // nothing is written. Normally the text goes to a temporary file beside
  // it, flushed to disk and renamed over the old one (which keeps its
  // mode), so a crash or a full disk never leaves half a file; in a folder
  // where no file can be made the file is rewritten in place and flushed.
  // False, with the reason in Error(), when it could not be written.
  bool UpdateFile() const;
  const std::string& Error() const { return error_; }

 private:
  struct Section {
    std::string name;
    std::string folded;  // the name in capitals
    std::vector<std::pair<std::string, std::string>> values;
  };
  const Section* Find(const std::string& section) const;
  Section& FindOrAdd(const std::string& section);
  void Add(Section& s, std::string key, std::string value);
  // Where the key's value stands in the section's values; npos when it is not there.
  std::size_t Place(const Section& s, const std::string& key) const;

  std::string fileName_;
  std::vector<Section> sections_;
  std::unordered_map<std::string, std::size_t> index_;  // folded name: its place in sections_
  // Folded section name, a NUL and folded key: the key's first place in its section's values.
  std::unordered_map<std::string, std::size_t> keys_;
  mutable std::string error_;
};
