#include "course/rom_text.h"

#include <gtest/gtest.h>

namespace kurvex {
namespace {

TEST(RomName, DecodesLowerCaseAndGreekPrefix) {
  EXPECT_EQ(DecodeRomName("mute city"), "MUTE CITY");
  EXPECT_EQ(DecodeRomName("\xA3\xC1"), "\xFC");
  EXPECT_EQ(DecodeRomName("\xA3\x41"), "A");     // other prefixed bytes stay
  EXPECT_EQ(DecodeRomName("X\xA3"), "X\xA3");    // a final prefix stays
}

TEST(RomName, EncodeIsTheInverseForCapitalsAndGreek) {
  EXPECT_EQ(EncodeRomName("MUTE CITY"), "mute city");
  EXPECT_EQ(EncodeRomName("\xFC\xFD\xFE"), "\xA3\xC1\xA3\xC2\xA3\xC3");
  const std::string name = "BIG BLUE 2 \xFC\xFD\xFE";
  EXPECT_EQ(DecodeRomName(EncodeRomName(name)), name);
  EXPECT_EQ(NormaliseName("\xFF"), "\xC4");  // the dash has no name form
}

TEST(RomText, DescriptionDependsOnRegion) {
  EXPECT_EQ(DecodeRomText("Big Blue.", 'E'), "B\xA9\xA7 B\xAC\xB5\xA5.");
  EXPECT_EQ(DecodeRomText("Big Blue.", 'J'), "\xA9\xA7 \xAC\xB5\xA5");
  EXPECT_EQ(DecodeRomText("crs", 'E'), "crs");
  EXPECT_EQ(DecodeRomText("crs", 'J'), "\xA3\xB2\xB3");
  EXPECT_EQ(DecodeRomText("\xA1\xBC", 'E'), "\xFF");
}

TEST(RomText, EscapesAndTheirBrokenForms) {
  EXPECT_EQ(DecodeRomText("\xA5\xC0\xA5\xEF", 'J'), "\xC0\xEF");
  EXPECT_EQ(DecodeRomText("\xA5\xEE" "A", 'E'), "A");   // bad escape drops both bytes
  EXPECT_EQ(DecodeRomText("A\xA5", 'E'), "A");          // final escape dropped
  EXPECT_EQ(DecodeRomText("\xA1" "A", 'E'), "A");       // 0xA1 without 0xBC dropped
  EXPECT_EQ(DecodeRomText("\x01\x7F\xFF", 'E'), "");
}

TEST(RomText, EncodeFollowsTheRegion) {
  EXPECT_EQ(EncodeRomText("\xA1\xBA\xBB\xC3\xFF", 'E'), "a" "z" "\xA5\xBB\xA5\xC3\xA1\xBC");
  EXPECT_EQ(EncodeRomText("\xA1\xB2\xBB\xC3", 'J'), "a\xA5\xC3");
  EXPECT_EQ(EncodeRomText("AZcrs.\x01q", 'E'), "AZcrs.");
  EXPECT_EQ(NormaliseText("\xA3\xB2\xB3", 'E'), "crs");
  // Every other kana code survives a round trip in the region whose font has it.
  for (int c = 161; c <= 243; ++c) {
    if (c == 238 || c == 240 || c == 241) continue;
    const std::string kana(1, static_cast<char>(c));
    // Outside Japan the codes of c, r and s come back as those letters.
    if (c != 163 && c != 178 && c != 179) EXPECT_EQ(NormaliseText(kana, 'E'), kana) << c;
    if (c != 178 && !(c >= 187 && c <= 194)) EXPECT_EQ(NormaliseText(kana, 'J'), kana) << c;
  }
}

}  // namespace
}  // namespace kurvex
