#include "ui/game_font.h"

#include <QPainter>

// The font pictures live in kurvex_ui, a static library: register them by hand so the linker
// keeps them.
static void InitFontResources() { Q_INIT_RESOURCE(game_font); }

namespace kurvex {

namespace {

QImage LoadPicture(const char* path) {
  return QImage(QString::fromLatin1(path)).convertToFormat(QImage::Format_RGB32);
}

}  // namespace

GameFont::GameFont() {
  InitFontResources();
  glyphs_ = LoadPicture(":/font/glyphs.png");
  palette_ = LoadPicture(":/font/palette.png");
}

QRect GameFont::GlyphCell(int code) {
  const int c = code & 0xFF;
  return {(c % 16) * kGlyphCell, (c / 16) * kGlyphCell, kGlyphCell, kGlyphCell};
}

void GameFont::DrawText(QPainter& painter, QPoint origin, const std::string& codes) const {
  int x = origin.x();
  for (char ch : codes) {
    const int code = static_cast<unsigned char>(ch);
    painter.drawImage(QPoint(x, origin.y()), glyphs_, GlyphCell(code));
    x += widths().Width(code);
  }
}

void GameFont::DrawCentredGlyph(QPainter& painter, QPoint cell_origin, int code) const {
  // A glyph stands within its advance less the one pixel of spacing.
  const int shift = (kGlyphCell - (widths().Width(code) - 1)) / 2;
  painter.fillRect(QRect(cell_origin, QSize(kGlyphCell, kGlyphCell)), Qt::black);
  painter.drawImage(cell_origin + QPoint(shift, 0), glyphs_,
                    QRect(GlyphCell(code).topLeft(), QSize(kGlyphCell - shift, kGlyphCell)));
}

}  // namespace kurvex
