// Word keys: the names of the words' pictures and recordings, plain ASCII
// with "^" after a letter that stands for its Polish form ("cie^z^aro^wka").
#pragma once
#include <string>

namespace datagen {

// The word a key spells, in Polish letters (UTF-8): "cie^z^aro^wka" ->
// "ciężarówka". Empty when the key is anything but lower-case ASCII letters,
// each of a, c, e, l, n, o, s, x, z possibly followed by "^" (x^ is ź).
std::string SpellingOfKey(const std::string& key);

}  // namespace datagen
