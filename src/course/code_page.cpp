#include "course/code_page.h"

namespace kurvex {

namespace {

// Bytes 0x80..0x9F; 0 marks the bytes the code page leaves undefined.
constexpr char32_t kHighControls[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  //
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,       //
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  //
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

}  // namespace

char32_t Windows1252ToUnicode(uint8_t byte) {
  if (byte < 0x80 || byte >= 0xA0) return byte;
  const char32_t mapped = kHighControls[byte - 0x80];
  return mapped != 0 ? mapped : byte;
}

int UnicodeToWindows1252(char32_t character) {
  if (character < 0x80 || (character >= 0xA0 && character <= 0xFF)) {
    return static_cast<int>(character);
  }
  for (int i = 0; i < 32; ++i) {
    const char32_t mapped = kHighControls[i];
    // An undefined byte's own control character comes back to it; the other controls of that
    // range have no byte, since their bytes stand for other characters.
    if (mapped == character || (mapped == 0 && character == char32_t(0x80 + i))) return 0x80 + i;
  }
  return -1;
}

}  // namespace kurvex
