// INI files from untrusted bytes: whatever is read is written back whole
// and read again the same; writing and erasing act on the names given.
#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "fuzz/FuzzSupport.h"
#include "platform/IniFiles.h"
#include "platform/SysUtils.h"

namespace {

// The section and key names the text seems to hold (a few of each), for probing.
std::vector<std::pair<std::string, std::string>> Probes(const std::string& text) {
  std::vector<std::pair<std::string, std::string>> out;
  std::string section;
  std::size_t pos = 0;
  while (pos < text.size() && out.size() < 64) {
    std::size_t end = text.find('\n', pos);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(pos, end - pos);
    pos = end + 1;
    const std::size_t a = line.find_first_not_of(" \t\r");
    if (a == std::string::npos) continue;
    line = line.substr(a);
    if (line[0] == '[') {
      section = line.substr(1, line.find(']') == std::string::npos ? std::string::npos : line.find(']') - 1);
      out.emplace_back(section, "");
    } else if (line.find('=') != std::string::npos) {
      out.emplace_back(section, line.substr(0, line.find('=')));
    }
  }
  return out;
}

std::string Trimmed(const std::string& s) {
  const std::size_t a = s.find_first_not_of(" \t\r");
  return a == std::string::npos ? std::string() : s.substr(a, s.find_last_not_of(" \t\r") - a + 1);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string file = fuzzsupport::Put("x.ini", data, size);
  const std::string text(reinterpret_cast<const char*>(data), size);
  TIniFile ini(file);
  const auto probes = Probes(text);
  std::vector<std::string> before;
  for (const auto& [s, k] : probes) before.push_back(ini.ReadString(Trimmed(s), Trimmed(k), "\x01missing"));
  if (!ini.UpdateFile()) __builtin_trap();
  TIniFile again(file);
  for (std::size_t i = 0; i < probes.size(); ++i) {
    const std::string s = Trimmed(probes[i].first), k = Trimmed(probes[i].second);
    if (again.ReadString(s, k, "\x01missing") != before[i]) __builtin_trap();
    if (again.SectionExists(s) != ini.SectionExists(s)) __builtin_trap();
  }
  // Writing and erasing.
  const std::string s = probes.empty() ? "S" : Trimmed(probes.front().first);
  again.WriteString(s, "Nowy", "wartosc");
  if (again.ReadString(s, "NOWY", "") != "wartosc" || !again.ValueExists(s, "nowy")) __builtin_trap();
  again.EraseSection(s);
  if (again.SectionExists(s) || again.ValueExists(s, "Nowy")) __builtin_trap();
  for (const auto& [ps, pk] : probes)
    if (!SameText(Trimmed(ps), s) && again.SectionExists(Trimmed(ps)) != ini.SectionExists(Trimmed(ps)))
      __builtin_trap();
  return 0;
}
