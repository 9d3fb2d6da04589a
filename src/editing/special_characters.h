#pragma once
// The special-character palette of the Course Properties window: a picture of 16 x 7 cells of
// 16 x 16 pixels, each cell inserting a game code into the active text field. The same cell
// may insert different codes in different fields, as the game's fonts differ.

#include "course/course.h"
#include "editing/game_text_field.h"

namespace kurvex {

constexpr int kPaletteColumns = 16;
constexpr int kPaletteRows = 7;
constexpr int kPaletteCellSize = 16;  // pixels
constexpr int kPaletteCells = kPaletteColumns * kPaletteRows;

// The cell under pixel (x, y) of the palette picture, or -1 outside the picture.
int PaletteCell(int x, int y);
// True for the cells that show no glyph in any field.
bool IsBlankPaletteCell(int cell);
// The code a cell inserts into a field, or -1 when it inserts nothing there.
int PaletteCode(TextFieldKind kind, int cell);

// A click on the palette at (x, y): inserts the cell's code into the field, within the
// field's length limit. True when the text changed.
bool PaletteClick(Course& course, GameTextField& field, int x, int y);

}  // namespace kurvex
