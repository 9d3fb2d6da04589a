#pragma once
// The Windows-1252 code page of track text files: one byte per character. The five bytes the
// code page leaves undefined stand for the control characters of the same number, as in
// Latin-1, so that every byte goes to a character and back unchanged.

#include <cstdint>

namespace kurvex {

char32_t Windows1252ToUnicode(uint8_t byte);
// The byte of a character, or -1 for a character the code page does not hold.
int UnicodeToWindows1252(char32_t character);

}  // namespace kurvex
