#include "course/game_text.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>

namespace kurvex {

namespace {

const char* const kKanaTokens[] = {
    "[sm_a]", "[a]",  "[sm_i]", "[i]",  "[sm_u]", "[u]",  "[sm_e]", "[e]",     "[sm_o]", "[o]",
    "[ka]",   "[ga]", "[ki]",   "[gi]", "[ku]",   "[gu]", "[ke]",   "[ge]",    "[ko]",   "[go]",
    "[sa]",   "[za]", "[si]",   "[zi]", "[su]",   "[zu]", "[se]",   "[ze]",    "[so]",   "[zo]",
    "[ta]",   "[da]", "[ti]",   "[di]", "[sm_tu]", "[tu]", "[du]",  "[te]",    "[de]",   "[to]",
    "[do]",   "[na]", "[ni]",   "[nu]", "[ne]",   "[no]", "[ha]",   "[ba]",    "[pa]",   "[hi]",
    "[bi]",   "[pi]", "[hu]",   "[bu]", "[pu]",   "[be]", "[he]",   "[pe]",    "[ho]",   "[bo]",
    "[po]",   "[ma]", "[mi]",   "[mu]", "[me]",   "[mo]", "[sm_ya]", "[ya]",   "[sm_yu]", "[yu]",
    "[sm_yo]", "[yo]", "[ra]",  "[ri]", "[ru]",   "[re]", "[ro]"};

std::string BuildFontMapTable() {
  std::string table;
  auto add = [&table](const char* token, int code) {
    char hex[3];
    std::snprintf(hex, sizeof hex, "%02X", code);
    table += token;
    table += '\t';
    table += hex;
    table += "\r\n";
  };
  add("[pts.]", 0x21);
  int code = 0xA1;
  for (const char* token : kKanaTokens) add(token, code++);
  add("[wa]", 0xEF);
  add("[wo]", 0xF2);
  add("[n]", 0xF3);
  add("[alpha]", 0xFC);
  add("[beta]", 0xFD);
  add("[gamma]", 0xFE);
  add("[-]", 0xFF);
  return table;
}

// Stored width numbers per code; all codes not set here are 0.
std::string BuildGlyphWidthText() {
  std::array<int, 256> n{};
  const int punctuation[][2] = {{0x20, 11}, {0x21, 46}, {0x22, 15}, {0x26, 27}, {0x27, 8},
                                {0x2B, 24}, {0x2C, 11}, {0x2D, 14}, {0x2E, 11}, {0x3A, 11},
                                {0x63, 21}, {0x72, 14}, {0x73, 20}, {0xFC, 25}, {0xFD, 23},
                                {0xFE, 17}};
  for (const auto& entry : punctuation) n[entry[0]] = entry[1];
  for (int c = 0x30; c <= 0x39; ++c) n[c] = 23;
  const int letters[26] = {27, 27, 30, 30, 27, 25, 32, 30, 10, 21, 27, 23, 33,
                           30, 32, 27, 32, 30, 27, 26, 30, 27, 40, 27, 26, 25};
  for (int i = 0; i < 26; ++i) n['A' + i] = letters[i];
  for (int c = 0xA1; c <= 0xED; ++c) n[c] = 34;
  for (int c : {0xEF, 0xF2, 0xF3, 0xFF}) n[c] = 34;

  std::string text;
  for (int row = 0; row < 16; ++row) {
    for (int col = 0; col < 16; ++col) {
      char number[4];
      std::snprintf(number, sizeof number, "%02d", n[row * 16 + col]);
      text += number;
      text += col < 15 ? " " : "\r\n";
    }
  }
  return text;
}

std::string ToLower(std::string s) {
  for (char& ch : s) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
  return s;
}

bool IsPlainCode(int c) { return c == 0x20 || (c >= 0x22 && c <= 0x74); }

}  // namespace

bool HasGlyph(int code) {
  // Space, "pts.", the punctuation, c, r, s and the kana after the run 0xA1..0xED.
  constexpr int kSingles[] = {0x20, 0x21, 0x22, 0x26, 0x27, 0x2B, 0x2C, 0x2D,
                              0x2E, 0x3A, 0x63, 0x72, 0x73, 0xEF, 0xF2, 0xF3};
  for (int single : kSingles) {
    if (code == single) return true;
  }
  return (code >= '0' && code <= '9') || (code >= 'A' && code <= 'Z') ||
         (code >= 0xA1 && code <= 0xED) || (code >= 0xFC && code <= 0xFF);
}

bool FontMap::InitFontMap(const std::string& table) {
  size_t start = 0;
  for (int lines = 0; lines < 256; ++lines) {
    const size_t end = table.find("\r\n", start);
    if (end == std::string::npos) break;
    const std::string line = table.substr(start, end - start);
    start = end + 2;
    const size_t tab = line.find('\t');
    if (tab == std::string::npos) return false;
    const std::string digits = line.substr(tab + 1);
    char* rest = nullptr;
    const long code = std::strtol(digits.c_str(), &rest, 16);
    if (digits.empty() || *rest != '\0' || code < 0 || code > 255) return false;
    tokens_[code] = line.substr(0, tab);
  }
  return true;
}

int FontMap::CodeOf(const std::string& token) const {
  for (int code = 0; code < 256; ++code) {
    if (!tokens_[code].empty() && tokens_[code] == token) return code;
  }
  return -1;
}

const std::string& FontMapTable() {
  static const std::string table = BuildFontMapTable();
  return table;
}

const FontMap& GameFontMap() {
  static const FontMap map = [] {
    FontMap m;
    m.InitFontMap(FontMapTable());
    return m;
  }();
  return map;
}

std::string StrEnc(const std::string& codes, const FontMap& map) {
  std::string text;
  for (char ch : codes) {
    const int c = static_cast<unsigned char>(ch);
    if (IsPlainCode(c)) {
      text.push_back(ch);
    } else {
      text += map.Token(c);
    }
  }
  return text;
}

std::string StrDec(const std::string& text, const FontMap& map) {
  std::string codes;
  size_t i = 0;
  while (i < text.size()) {
    if (text[i] != '[') {
      codes.push_back(text[i++]);
      continue;
    }
    const size_t close = text.find(']', i);
    if (close == std::string::npos) {
      ++i;  // a lone "[" is dropped
      continue;
    }
    const int code = map.CodeOf(ToLower(text.substr(i, close - i + 1)));
    if (code >= 0) codes.push_back(static_cast<char>(code));
    i = close + 1;
  }
  return codes;
}

void GlyphWidths::GetWidths(const std::string& width_text) {
  size_t pos = 0;
  for (int code = 0; code < 256 && pos + 2 <= width_text.size(); ++code) {
    const int tens = width_text[pos] - '0', ones = width_text[pos + 1] - '0';
    const int n = (tens >= 0 && tens <= 9 && ones >= 0 && ones <= 9) ? tens * 10 + ones : 0;
    widths_[code] = static_cast<uint8_t>(n / 3 + 1);
    pos += 3;
    if (code % 16 == 15) ++pos;  // past the line's CR LF
  }
}

int16_t GlyphWidths::GetWidth(const std::string& codes) const {
  int total = 0;
  for (char ch : codes) total += Width(static_cast<unsigned char>(ch));
  return static_cast<int16_t>(total);
}

const std::string& GlyphWidthText() {
  static const std::string text = BuildGlyphWidthText();
  return text;
}

const GlyphWidths& GameGlyphWidths() {
  static const GlyphWidths widths = [] {
    GlyphWidths w;
    w.GetWidths(GlyphWidthText());
    return w;
  }();
  return widths;
}

}  // namespace kurvex
