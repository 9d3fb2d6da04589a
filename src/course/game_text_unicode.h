#pragma once
// Game text as ordinary Unicode text, for everything that shows a course's name or description
// outside the game font: the kana as katakana, alpha, beta and gamma as Greek letters, the
// long-vowel dash as the katakana prolonged sound mark. The data sheet keeps its tokens.

#include <string>

namespace kurvex {

// The UTF-8 text of one code: its character, "pts." for the points glyph, the character itself
// for the codes the sheet writes as themselves, empty for a code with no glyph and no token.
const std::string& GameCodeUnicode(int code);
// The UTF-8 text of a string of codes.
std::string GameTextUnicode(const std::string& codes);

}  // namespace kurvex
