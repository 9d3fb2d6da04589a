#pragma once
// The special-character palette: 16 x 7 cells of the game font, a click on a cell inserting its
// code into the active text field. Cells the active field cannot take are shaded, with a
// tooltip saying why, and where
// the active field takes another code from a cell than the picture shows (the name's colon),
// that glyph is shown instead. The palette never takes the focus, so the field keeps its
// insertion line while the user picks characters.

#include <QWidget>

#include "editing/game_text_field.h"

namespace kurvex {

class GameFont;

class SpecialCharacterPalette : public QWidget {
  Q_OBJECT

 public:
  explicit SpecialCharacterPalette(QWidget* parent = nullptr);

  void SetGameFont(const GameFont* font);
  void SetActiveField(TextFieldKind kind);
  TextFieldKind active_field() const { return active_; }

  // Screen pixels per palette pixel: 2 where there is room, else 1.
  int Zoom() const;
  // The widget position of the centre of a cell (for clicks).
  QPoint CellCentre(int cell) const;

  // Why the cell under a widget position inserts nothing into the active field; empty when it
  // does insert, or shows no glyph.
  QString RefusalAt(const QPoint& position) const;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 signals:
  // Mouse released over palette pixel (x, y); outside the picture x or y is out of range.
  void clicked(int x, int y);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  bool event(QEvent* event) override;

 private:
  QPoint Origin() const;
  QPoint PalettePixel(const QPoint& position) const;

  const GameFont* font_ = nullptr;
  TextFieldKind active_ = TextFieldKind::kName;
  int hover_cell_ = -1;
};

}  // namespace kurvex
