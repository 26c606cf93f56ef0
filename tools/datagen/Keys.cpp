#include "tools/datagen/Keys.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace datagen {

std::string SpellingOfKey(const std::string& key) {
  static const std::pair<char, const char*> marked[] = {
      {'a', "\xC4\x85"}, {'c', "\xC4\x87"}, {'e', "\xC4\x99"}, {'l', "\xC5\x82"}, {'n', "\xC5\x84"},
      {'o', "\xC3\xB3"}, {'s', "\xC5\x9B"}, {'x', "\xC5\xBA"}, {'z', "\xC5\xBC"},
  };
  std::string out;
  for (std::size_t i = 0; i < key.size(); ++i) {
    const char c = key[i];
    if (c < 'a' || c > 'z') return std::string();
    if (i + 1 < key.size() && key[i + 1] == '^') {
      auto it = std::find_if(std::begin(marked), std::end(marked), [&](const auto& m) { return m.first == c; });
      if (it == std::end(marked)) return std::string();
      out += it->second;
      ++i;
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace datagen
