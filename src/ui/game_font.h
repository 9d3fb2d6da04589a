#pragma once
// The game's font as pictures: the glyph sheet (the glyph of code c in the 16 x 16 cell at row
// c / 16, column c % 16) and the special-character palette, both compiled into the program.
// Text is drawn glyph by glyph, each glyph's cell copied over what lies beneath and the pen
// moved on by the glyph's advance, as the game draws it.

#include <QImage>
#include <QPoint>
#include <QRect>
#include <string>

#include "course/game_text.h"

class QPainter;

namespace kurvex {

// Game pixels per screen pixel in the windows: the font is small.
constexpr int kGameTextZoom = 2;
constexpr int kGlyphCell = 16;  // pixels of a glyph cell

class GameFont {
 public:
  GameFont();

  const QImage& glyphs() const { return glyphs_; }
  const QImage& palette() const { return palette_; }
  const GlyphWidths& widths() const { return GameGlyphWidths(); }
  // True when both pictures loaded (they are part of the program, so always but for a
  // broken build).
  bool Valid() const { return !glyphs_.isNull() && !palette_.isNull(); }

  // The 16 x 16 cell of a code in the glyph sheet.
  static QRect GlyphCell(int code);
  // Draws codes at `origin` (game pixels, the painter's scale applies), each glyph replacing
  // what lies beneath its cell.
  void DrawText(QPainter& painter, QPoint origin, const std::string& codes) const;
  // Draws one glyph centred in a 16 x 16 cell as the palette shows its glyphs.
  void DrawCentredGlyph(QPainter& painter, QPoint cell_origin, int code) const;

 private:
  QImage glyphs_;
  QImage palette_;
};

}  // namespace kurvex
