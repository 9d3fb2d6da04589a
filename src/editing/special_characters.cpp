#include "editing/special_characters.h"

#include "course/game_text.h"

namespace kurvex {
namespace {

constexpr int kLongVowelCell = 111;
constexpr int kLongVowelCode = 255;
// The first row shows ASCII punctuation (cell + 32), in the Japanese font only up to cell 13 ...
constexpr int kPunctuationEnd = 16;
constexpr int kJapanesePunctuationEnd = 14;
// ... and from there up to cell 99 kana (cell + 144).
constexpr int kKanaEnd = 99;
constexpr int kKanaOffset = 144;
constexpr int kPunctuationOffset = 32;
constexpr int kCommaCode = 44;
constexpr int kGreekFirstCell = 108, kGreekLastCell = 110;  // alpha, beta, gamma

int NameCode(int cell) {
  constexpr int kColonCell = 12;
  constexpr int kColonCode = 58;  // the name font shows a colon where the others have a comma
  if (cell == kColonCell) return kColonCode;
  if (cell < kPunctuationEnd) return cell + kPunctuationOffset;
  if (cell >= kGreekFirstCell && cell <= kGreekLastCell) return cell + kKanaOffset;
  return -1;
}

// Descriptions: cell 10 belongs to the kana half of the font.
int DescriptionCode(int cell, int punctuation_end) {
  constexpr int kKanaCellInPunctuation = 10;
  if (cell == kLongVowelCell) return kLongVowelCode;
  if (cell < punctuation_end && cell != kKanaCellInPunctuation) return cell + kPunctuationOffset;
  if (cell <= kKanaEnd) return cell + kKanaOffset;
  return -1;
}

}  // namespace

int PaletteCell(int x, int y) {
  if (x < 0 || y < 0) return -1;
  const int column = x / kPaletteCellSize, row = y / kPaletteCellSize;
  if (column >= kPaletteColumns || row >= kPaletteRows) return -1;
  return row * kPaletteColumns + column;
}

bool IsBlankPaletteCell(int cell) {
  constexpr int kBlankCells[] = {0, 3, 4, 5, 8, 9, 15, 16, 94, 96, 97};
  for (int blank : kBlankCells) {
    if (cell == blank) return true;
  }
  return cell >= 100 && cell <= 107;
}

namespace {

// The code a field's font shows for a cell, whether or not the game's text can hold it.
int FontCode(TextFieldKind kind, int cell) {
  if (cell < 0 || cell >= kPaletteCells || IsBlankPaletteCell(cell)) return -1;
  int code = -1;
  switch (kind) {
    case TextFieldKind::kName:
      code = NameCode(cell);
      break;
    case TextFieldKind::kDescription:
      code = DescriptionCode(cell, kPunctuationEnd);
      break;
    case TextFieldKind::kJapanese:
      code = DescriptionCode(cell, kJapanesePunctuationEnd);
      break;
  }
  return code >= 0 && HasGlyph(code) ? code : -1;
}

}  // namespace

int PaletteCode(TextFieldKind kind, int cell) {
  const int code = FontCode(kind, cell);
  // The description tables of the ROM have no comma: it would vanish from the game.
  if (code == kCommaCode && kind != TextFieldKind::kName) return -1;
  return code;
}

std::string PaletteRefusal(TextFieldKind kind, int cell) {
  if (PaletteGlyphCode(cell) < 0 || PaletteCode(kind, cell) >= 0) return {};
  if (FontCode(kind, cell) == kCommaCode) return "The game's descriptions cannot hold a comma.";
  switch (kind) {
    case TextFieldKind::kName:
      return "The name cannot hold kana or the long-vowel dash.";
    case TextFieldKind::kDescription:
      return "The description cannot hold the Greek letters.";
    case TextFieldKind::kJapanese:
      return cell >= kGreekFirstCell ? "The Japanese description cannot hold the Greek letters."
                                     : "The Japanese description's font has no full stop.";
  }
  return {};
}

int PaletteGlyphCode(int cell) {
  const int code = FontCode(TextFieldKind::kDescription, cell);
  return code >= 0 ? code : FontCode(TextFieldKind::kName, cell);
}

bool PaletteClick(Course& course, GameTextField& field, int x, int y) {
  const int code = PaletteCode(field.Kind(), PaletteCell(x, y));
  return code >= 0 && field.AddChar(course, code);
}

}  // namespace kurvex
