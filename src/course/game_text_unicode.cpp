#include "course/game_text_unicode.h"

#include <array>

#include "course/game_text.h"

namespace kurvex {

namespace {

// The katakana block from U+30A1 in its own order, named as the font's tokens name them. The
// font does not keep this order everywhere ("[be]" comes before "[he]"), so the codes are
// matched by name.
constexpr char32_t kFirstKatakana = 0x30A1;
const char* const kKatakanaNames[] = {
    "sm_a", "a",  "sm_i", "i",  "sm_u", "u",     "sm_e",  "e",  "sm_o",  "o",  "ka",    "ga",
    "ki",   "gi", "ku",   "gu", "ke",   "ge",    "ko",    "go", "sa",    "za", "si",    "zi",
    "su",   "zu", "se",   "ze", "so",   "zo",    "ta",    "da", "ti",    "di", "sm_tu", "tu",
    "du",   "te", "de",   "to", "do",   "na",    "ni",    "nu", "ne",    "no", "ha",    "ba",
    "pa",   "hi", "bi",   "pi", "hu",   "bu",    "pu",    "he", "be",    "pe", "ho",    "bo",
    "po",   "ma", "mi",   "mu", "me",   "mo",    "sm_ya", "ya", "sm_yu", "yu", "sm_yo", "yo",
    "ra",   "ri", "ru",   "re", "ro",   "sm_wa", "wa",    "wi", "we",    "wo", "n"};

std::string Utf8(char32_t c) {
  std::string out;
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
  return out;
}

std::string KatakanaOfToken(const std::string& token) {
  if (token.size() < 3) return {};
  const std::string name = token.substr(1, token.size() - 2);  // without the brackets
  for (size_t i = 0; i < std::size(kKatakanaNames); ++i) {
    if (name == kKatakanaNames[i]) return Utf8(kFirstKatakana + static_cast<char32_t>(i));
  }
  return {};
}

std::string CodeText(int code) {
  // The codes the data sheet writes as themselves are ASCII already.
  if (code == 0x20 || (code >= 0x22 && code <= 0x74))
    return std::string(1, static_cast<char>(code));
  switch (code) {
    case 0x21:
      return "pts.";
    case 0xFC:
      return Utf8(0x03B1);  // alpha
    case 0xFD:
      return Utf8(0x03B2);  // beta
    case 0xFE:
      return Utf8(0x03B3);  // gamma
    case 0xFF:
      return Utf8(0x30FC);  // the long-vowel dash
    default:
      return KatakanaOfToken(GameFontMap().Token(code));
  }
}

}  // namespace

const std::string& GameCodeUnicode(int code) {
  static const std::array<std::string, 256> table = [] {
    std::array<std::string, 256> texts;
    for (int c = 0; c < 256; ++c) texts[c] = CodeText(c);
    return texts;
  }();
  return table[code & 0xFF];
}

std::string GameTextUnicode(const std::string& codes) {
  std::string text;
  for (unsigned char code : codes) text += GameCodeUnicode(code);
  return text;
}

}  // namespace kurvex
