#include "course/code_page.h"

#include <gtest/gtest.h>

namespace kurvex {
namespace {

TEST(Windows1252, EveryByteGoesToACharacterAndBack) {
  for (int byte = 0; byte < 256; ++byte) {
    EXPECT_EQ(UnicodeToWindows1252(Windows1252ToUnicode(static_cast<uint8_t>(byte))), byte) << byte;
  }
}

TEST(Windows1252, TheCodePagesOwnCharacters) {
  EXPECT_EQ(Windows1252ToUnicode(0xB0), U'\u00B0');  // the degree sign of the sheet
  EXPECT_EQ(Windows1252ToUnicode(0x80), U'\u20AC');
  EXPECT_EQ(Windows1252ToUnicode(0x93), U'\u201C');
  EXPECT_EQ(Windows1252ToUnicode(0x9F), U'\u0178');
  EXPECT_EQ(Windows1252ToUnicode(0x81), U'\u0081');  // undefined: its control character
  EXPECT_EQ(UnicodeToWindows1252(U'\u2122'), 0x99);
  EXPECT_EQ(UnicodeToWindows1252(U'\u0080'), -1);  // byte 0x80 is the euro sign
  EXPECT_EQ(UnicodeToWindows1252(U'\u0100'), -1);
  EXPECT_EQ(UnicodeToWindows1252(U'\u4E00'), -1);
}

}  // namespace
}  // namespace kurvex
