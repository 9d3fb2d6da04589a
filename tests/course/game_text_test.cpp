#include "course/game_text.h"

#include <gtest/gtest.h>

namespace kurvex {
namespace {

TEST(FontMap, TableHas85LinesWithTheKnownCodes) {
  const std::string& table = FontMapTable();
  size_t lines = 0;
  for (size_t pos = 0; (pos = table.find("\r\n", pos)) != std::string::npos; pos += 2) ++lines;
  EXPECT_EQ(lines, 85u);
  const FontMap& map = GameFontMap();
  EXPECT_EQ(map.Token(0x21), "[pts.]");
  EXPECT_EQ(map.Token(0xAB), "[ka]");
  EXPECT_EQ(map.Token(0xD8), "[be]");
  EXPECT_EQ(map.Token(0xD9), "[he]");
  EXPECT_EQ(map.Token(0xED), "[ro]");
  EXPECT_EQ(map.Token(0xF3), "[n]");
  EXPECT_EQ(map.Token(0xFF), "[-]");
  EXPECT_EQ(map.Token(0xEE), "");
}

TEST(FontMap, MalformedLineStopsButKeepsWhatWasRead) {
  FontMap map;
  EXPECT_FALSE(map.InitFontMap("[a]\tA2\r\nno tab here\r\n[b]\tA3\r\n"));
  EXPECT_EQ(map.Token(0xA2), "[a]");
  EXPECT_EQ(map.Token(0xA3), "");
  FontMap unfinished;
  EXPECT_TRUE(unfinished.InitFontMap("[a]\tA2\r\n[b]\tA3"));  // last line has no CR LF
  EXPECT_EQ(unfinished.Token(0xA3), "");
}

TEST(StrEncDec, TokensBothWays) {
  EXPECT_EQ(StrEnc("\x4B\xAB\x21"), "K[ka][pts.]");
  EXPECT_EQ(StrDec("K[KA][pts.]"), "\x4B\xAB\x21");
  EXPECT_EQ(StrDec("A[xyz]B"), "AB");
  EXPECT_EQ(StrDec("A[B"), "AB");
  EXPECT_EQ(StrDec("[sm_tu][-]"), "\xC3\xFF");
}

TEST(StrEncDec, CodesWithoutPlainFormOrTokenDisappear) {
  EXPECT_EQ(StrEnc("uvwxyz"), "");  // 0x75..0x7A
  EXPECT_EQ(StrEnc(std::string("\x01\xEE\xF0\xF4 t", 6)), " t");
  // Every code with a glyph survives the trip through text (brackets have none: they open
  // and close tokens).
  std::string all;
  for (int c = 0x20; c < 256; ++c) {
    if (c >= '[' && c <= ']') continue;
    if (!StrEnc(std::string(1, static_cast<char>(c))).empty()) all += static_cast<char>(c);
  }
  EXPECT_EQ(StrDec(StrEnc(all)), all);
}

TEST(GlyphWidths, MeasuresTheGameFont) {
  const GlyphWidths& widths = GameGlyphWidths();
  EXPECT_EQ(widths.GetWidth("NEW TRACK"), 90);
  EXPECT_EQ(widths.Width(0x00), 1);  // stored 0 still advances
  EXPECT_EQ(widths.Width(0x7F), 1);
  EXPECT_EQ(widths.Width(0xAB), 12);
  EXPECT_EQ(widths.Width(0xFE), 6);
  EXPECT_EQ(widths.Width(0x21), 16);
  EXPECT_EQ(widths.GetWidth(""), 0);
}

// The code set: exactly the codes with a stored width, and every code with a token.
TEST(GlyphWidths, CodesWithAGlyphAreThoseWithAWidth) {
  int count = 0;
  for (int c = 0; c < 256; ++c) {
    EXPECT_EQ(HasGlyph(c), GameGlyphWidths().Width(c) > 1) << c;
    if (!GameFontMap().Token(c).empty()) EXPECT_TRUE(HasGlyph(c)) << c;
    count += HasGlyph(c);
  }
  EXPECT_EQ(count, 1 + 1 + 8 + 10 + 26 + 3 + 77 + 3 + 4);
  EXPECT_FALSE(HasGlyph(-1));
  EXPECT_FALSE(HasGlyph(256));
}

}  // namespace
}  // namespace kurvex
