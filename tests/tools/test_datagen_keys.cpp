// Word keys spelled in Polish letters.
#include <gtest/gtest.h>

#include "platform/SysUtils.h"
#include "tools/datagen/Keys.h"

namespace {

using datagen::SpellingOfKey;

TEST(DatagenKeys, KeysBecomePolishSpelling) {
  EXPECT_EQ(SpellingOfKey("kot"), "kot");
  EXPECT_EQ(SpellingOfKey("cie^z^aro^wka"), "ci\xC4\x99\xC5\xBC" "ar\xC3\xB3wka");
  EXPECT_EQ(SpellingOfKey("niedx^wiedzie"), "nied\xC5\xBAwiedzie");
  // Every mark, next to each other and at the end.
  EXPECT_EQ(Utf8ToCp1250(SpellingOfKey("a^c^e^l^n^o^s^x^z^")), "\xB9\xE6\xEA\xB3\xF1\xF3\x9C\x9F\xBF");
}

TEST(DatagenKeys, AMalformedKeySpellsNothing) {
  for (const char* key : {"q^", "Kot", "k t", "^a", "kot^^", "k\xC3\xB3t"}) EXPECT_EQ(SpellingOfKey(key), "") << key;
}

}  // namespace
