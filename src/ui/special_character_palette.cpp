#include "ui/special_character_palette.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>

#include "editing/special_characters.h"
#include "ui/game_font.h"
#include "ui/translation.h"

namespace kurvex {

namespace {

constexpr int kWidth = kPaletteColumns * kPaletteCellSize;
constexpr int kHeight = kPaletteRows * kPaletteCellSize;

int FloorDiv(int a, int b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

}  // namespace

SpecialCharacterPalette::SpecialCharacterPalette(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::NoFocus);
  setMouseTracking(true);
  setCursor(Qt::PointingHandCursor);
  setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
}

void SpecialCharacterPalette::SetGameFont(const GameFont* font) {
  font_ = font;
  update();
}

void SpecialCharacterPalette::SetActiveField(TextFieldKind kind) {
  if (kind == active_) return;
  active_ = kind;
  update();
}

int SpecialCharacterPalette::Zoom() const {
  return width() >= 2 * kWidth && height() >= 2 * kHeight ? 2 : 1;
}

QPoint SpecialCharacterPalette::Origin() const {
  const int zoom = Zoom();
  return {std::max(0, (width() - kWidth * zoom) / 2), std::max(0, (height() - kHeight * zoom) / 2)};
}

QPoint SpecialCharacterPalette::PalettePixel(const QPoint& position) const {
  const QPoint p = position - Origin();
  return {FloorDiv(p.x(), Zoom()), FloorDiv(p.y(), Zoom())};
}

QPoint SpecialCharacterPalette::CellCentre(int cell) const {
  const int zoom = Zoom();
  const int x = (cell % kPaletteColumns) * kPaletteCellSize + kPaletteCellSize / 2;
  const int y = (cell / kPaletteColumns) * kPaletteCellSize + kPaletteCellSize / 2;
  return Origin() + QPoint(x * zoom, y * zoom);
}

QSize SpecialCharacterPalette::sizeHint() const { return {2 * kWidth, 2 * kHeight}; }

QSize SpecialCharacterPalette::minimumSizeHint() const { return {kWidth, kHeight}; }

void SpecialCharacterPalette::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    const QPoint p = PalettePixel(event->position().toPoint());
    emit clicked(p.x(), p.y());
  }
  QWidget::mouseReleaseEvent(event);
}

void SpecialCharacterPalette::mouseMoveEvent(QMouseEvent* event) {
  const QPoint p = PalettePixel(event->position().toPoint());
  const int cell =
      PaletteCode(active_, PaletteCell(p.x(), p.y())) >= 0 ? PaletteCell(p.x(), p.y()) : -1;
  if (cell != hover_cell_) {
    hover_cell_ = cell;
    update();
  }
  QWidget::mouseMoveEvent(event);
}

QString SpecialCharacterPalette::RefusalAt(const QPoint& position) const {
  const QPoint p = PalettePixel(position);
  return Translated(PaletteRefusal(active_, PaletteCell(p.x(), p.y())));
}

bool SpecialCharacterPalette::event(QEvent* event) {
  if (event->type() != QEvent::ToolTip) return QWidget::event(event);
  const auto* help = static_cast<QHelpEvent*>(event);
  const QString refusal = RefusalAt(help->pos());
  if (refusal.isEmpty()) {
    QToolTip::hideText();
    event->ignore();
  } else {
    QToolTip::showText(help->globalPos(), refusal, this);
  }
  return true;
}

void SpecialCharacterPalette::leaveEvent(QEvent* event) {
  hover_cell_ = -1;
  update();
  QWidget::leaveEvent(event);
}

void SpecialCharacterPalette::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (!font_) return;
  const int zoom = Zoom();
  painter.translate(Origin());
  painter.save();
  painter.scale(zoom, zoom);
  painter.drawImage(QPoint(0, 0), font_->palette());
  for (int cell = 0; cell < kPaletteCells; ++cell) {
    const QPoint at((cell % kPaletteColumns) * kPaletteCellSize,
                    (cell / kPaletteColumns) * kPaletteCellSize);
    const int code = PaletteCode(active_, cell);
    if (code < 0) {
      painter.fillRect(QRect(at, QSize(kPaletteCellSize, kPaletteCellSize)),
                       QColor(64, 64, 64, 170));
    } else if (code != PaletteGlyphCode(cell)) {
      font_->DrawCentredGlyph(painter, at, code);
    }
  }
  painter.restore();
  if (zoom > 1) {
    // Cell lines between the glyphs, one screen pixel wide: at zoom 1 they would hide glyphs.
    painter.setPen(QColor(40, 40, 48));
    for (int column = 1; column < kPaletteColumns; ++column) {
      const int x = column * kPaletteCellSize * zoom;
      painter.drawLine(x, 0, x, kHeight * zoom - 1);
    }
    for (int row = 1; row < kPaletteRows; ++row) {
      const int y = row * kPaletteCellSize * zoom;
      painter.drawLine(0, y, kWidth * zoom - 1, y);
    }
  }
  if (hover_cell_ >= 0) {
    const QPoint at((hover_cell_ % kPaletteColumns) * kPaletteCellSize * zoom,
                    (hover_cell_ / kPaletteColumns) * kPaletteCellSize * zoom);
    painter.setPen(QColor(255, 200, 0));
    painter.drawRect(QRect(at, QSize(kPaletteCellSize * zoom - 1, kPaletteCellSize * zoom - 1)));
  }
}

}  // namespace kurvex
