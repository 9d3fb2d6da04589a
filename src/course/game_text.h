#pragma once
// The game's font codes shown as plain text: codes 0x20 and 0x22..0x74 stand for themselves,
// the others as bracket tokens such as "[ka]". Also the glyph widths of the game font.

#include <array>
#include <cstdint>
#include <string>

namespace kurvex {

// True for the codes the game font has a glyph for: space, "pts.", a few punctuation marks,
// digits, capitals, lower-case c, r and s, the kana, alpha, beta, gamma and the long-vowel
// dash.
bool HasGlyph(int code);

// Token per code, empty where a code has none.
class FontMap {
 public:
  // Fills the map from a table of "token<TAB>hex code" lines, each ended by CR LF. Returns
  // false at the first malformed line; the entries read before it stay.
  bool InitFontMap(const std::string& table);

  const std::string& Token(int code) const { return tokens_[code & 0xFF]; }
  // The lowest code whose token equals the given one, or -1.
  int CodeOf(const std::string& token) const;

 private:
  std::array<std::string, 256> tokens_;
};

// The 85-line token table of the game font.
const std::string& FontMapTable();
// The map built from FontMapTable, made once.
const FontMap& GameFontMap();

std::string StrEnc(const std::string& codes, const FontMap& map = GameFontMap());
std::string StrDec(const std::string& text, const FontMap& map = GameFontMap());

// Advance in pixels of every glyph of the game font.
class GlyphWidths {
 public:
  // Fills the table from 16 lines of 16 two-digit numbers (each n gives floor(n / 3) + 1).
  void GetWidths(const std::string& width_text);
  int Width(int code) const { return widths_[code & 0xFF]; }
  int16_t GetWidth(const std::string& codes) const;

 private:
  std::array<uint8_t, 256> widths_{};
};

const std::string& GlyphWidthText();
const GlyphWidths& GameGlyphWidths();

}  // namespace kurvex
