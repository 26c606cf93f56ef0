// File-name masks from untrusted bytes, against a plain reference: '*' any
// run of characters, '?' any one, other characters themselves with ASCII
// letters in either case; a mask ending in ".*" also matches what the mask
// before it matches (a name without a dot for "*.*").
//
// Input: the name, a NUL, the mask.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/SysUtils.h"

namespace {

char Lower(char c) { return c >= 'A' && c <= 'Z' ? char(c + 32) : c; }

// Table of which name suffixes match which mask suffixes.
bool Glob(const std::string& name, const std::string& mask) {
  const std::size_t n = name.size(), m = mask.size();
  std::vector<std::vector<char>> ok(n + 1, std::vector<char>(m + 1, 0));
  ok[n][m] = 1;
  for (std::size_t j = m; j-- > 0;) ok[n][j] = mask[j] == '*' && ok[n][j + 1];
  for (std::size_t i = n; i-- > 0;)
    for (std::size_t j = m; j-- > 0;) {
      if (mask[j] == '*') ok[i][j] = ok[i][j + 1] || ok[i + 1][j];
      else ok[i][j] = (mask[j] == '?' || Lower(mask[j]) == Lower(name[i])) && ok[i + 1][j + 1];
    }
  return ok[0][0];
}

bool Reference(const std::string& name, const std::string& mask) {
  if (Glob(name, mask)) return true;
  return mask.size() >= 2 && mask.compare(mask.size() - 2, 2, ".*") == 0 && Glob(name, mask.substr(0, mask.size() - 2));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const std::size_t nul = text.find('\0');
  if (nul == std::string::npos) return 0;
  const std::string name = text.substr(0, nul), mask = text.substr(nul + 1);
  if (MatchesMask(name, mask) != Reference(name, mask)) __builtin_trap();
  return 0;
}
