#include "course/game_text_unicode.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "course/game_text.h"

namespace kurvex {
namespace {

// The one code point of a UTF-8 text, 0 when it holds anything else.
char32_t OnlyCodePoint(const std::string& text) {
  const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
  if (text.size() == 1 && byte(0) < 0x80) return byte(0);
  if (text.size() == 2 && (byte(0) & 0xE0) == 0xC0) {
    return ((byte(0) & 0x1F) << 6) | (byte(1) & 0x3F);
  }
  if (text.size() == 3 && (byte(0) & 0xF0) == 0xE0) {
    return ((byte(0) & 0x0F) << 12) | ((byte(1) & 0x3F) << 6) | (byte(2) & 0x3F);
  }
  return 0;
}

std::string Token(int code) {
  const std::string& token = GameFontMap().Token(code);
  return token.substr(1, token.size() - 2);
}

TEST(GameTextUnicode, EveryCodeOfTheFontMapIsOneDistinctCharacter) {
  std::set<char32_t> seen;
  int tokens = 0;
  for (int code = 0; code < 256; ++code) {
    if (GameFontMap().Token(code).empty() || code == 0x21) continue;
    ++tokens;
    const char32_t c = OnlyCodePoint(GameCodeUnicode(code));
    ASSERT_NE(c, 0u) << Token(code);
    EXPECT_TRUE(seen.insert(c).second) << Token(code);
  }
  EXPECT_EQ(tokens, 84);
  EXPECT_EQ(GameCodeUnicode(0x21), "pts.");
}

TEST(GameTextUnicode, KanaAreKatakanaNamedByTheirTokens) {
  EXPECT_EQ(OnlyCodePoint(GameCodeUnicode(0xA2)), U'\u30A2');  // [a]
  EXPECT_EQ(OnlyCodePoint(GameCodeUnicode(0xAB)), U'\u30AB');  // [ka]
  // The font keeps "[be]" before "[he]"; the characters follow the names, not the order.
  EXPECT_EQ(OnlyCodePoint(GameCodeUnicode(0xD8)), U'\u30D9');  // [be]
  EXPECT_EQ(OnlyCodePoint(GameCodeUnicode(0xD9)), U'\u30D8');  // [he]
  EXPECT_EQ(OnlyCodePoint(GameCodeUnicode(0xED)), U'\u30ED');  // [ro]
  EXPECT_EQ(OnlyCodePoint(GameCodeUnicode(0xEF)), U'\u30EF');  // [wa]
  EXPECT_EQ(OnlyCodePoint(GameCodeUnicode(0xF2)), U'\u30F2');  // [wo]
  EXPECT_EQ(OnlyCodePoint(GameCodeUnicode(0xF3)), U'\u30F3');  // [n]
  EXPECT_EQ(OnlyCodePoint(GameCodeUnicode(0xFF)), U'\u30FC');  // [-]

  // Across the whole map: a small kana sits just before its full form, a voiced one just after
  // its plain one, and a p-kana two after its h-kana, as in the katakana block.
  std::map<std::string, char32_t> by_name;
  for (int code = 0xA1; code <= 0xF3; ++code) {
    if (!GameFontMap().Token(code).empty()) {
      by_name[Token(code)] = OnlyCodePoint(GameCodeUnicode(code));
    }
  }
  ASSERT_EQ(by_name.size(), 80u);
  int pairs = 0;
  for (const auto& [name, c] : by_name) {
    if (name.rfind("sm_", 0) == 0) {
      EXPECT_EQ(c + 1, by_name.at(name.substr(3))) << name;
      ++pairs;
    }
    const std::map<char, char> voiced = {{'g', 'k'}, {'z', 's'}, {'d', 't'}, {'b', 'h'}};
    if (name.size() == 2 && voiced.count(name[0])) {
      EXPECT_EQ(c, by_name.at(std::string(1, voiced.at(name[0])) + name[1]) + 1) << name;
      ++pairs;
    }
    if (name.size() == 2 && name[0] == 'p') {
      EXPECT_EQ(c, by_name.at("h" + name.substr(1)) + 2) << name;
      ++pairs;
    }
  }
  EXPECT_EQ(pairs, 9 + 20 + 5);
}

TEST(GameTextUnicode, GreekLettersAndPlainCodes) {
  EXPECT_EQ(GameTextUnicode("RAINBOW \xFD"), "RAINBOW \xCE\xB2");      // beta
  EXPECT_EQ(GameTextUnicode("\xFC\xFE"), "\xCE\xB1\xCE\xB3");          // alpha, gamma
  EXPECT_EQ(GameTextUnicode("WHITE LA\xAB"), "WHITE LA\xE3\x82\xAB");  // [ka]
  EXPECT_EQ(GameTextUnicode("A-B: \"C\" & D'S, 1+2."), "A-B: \"C\" & D'S, 1+2.");
  EXPECT_EQ(GameTextUnicode("crs"), "crs");
  // Codes without a glyph or a token are left out, as the data sheet leaves them out.
  EXPECT_EQ(GameTextUnicode(std::string("A\x01\x80\xEE\xF0"
                                        "B")),
            "AB");
  EXPECT_EQ(GameTextUnicode(""), "");
}

}  // namespace
}  // namespace kurvex
