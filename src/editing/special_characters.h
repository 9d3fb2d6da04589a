#pragma once
// The special-character palette of the Course Properties window: a picture of 16 x 7 cells of
// 16 x 16 pixels, each cell inserting a game code into the active text field. The same cell
// may insert different codes in different fields, as the game's fonts differ.

#include <string>

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
// The code a cell inserts into a field, or -1 when it inserts nothing there. A cell never
// inserts a code the font has no glyph for: such a code would be invisible in the field, and
// the data sheet and the ROM's text tables drop it. Nor does it insert a comma into a
// description, whose ROM text cannot hold one.
int PaletteCode(TextFieldKind kind, int cell);
// Why a cell that shows a glyph inserts nothing into a field; empty when it inserts a code or
// shows no glyph.
std::string PaletteRefusal(TextFieldKind kind, int cell);
// The code whose glyph the palette picture shows in a cell, or -1 for an empty cell: the
// description's code, or the name's where only the name takes the cell (alpha, beta, gamma).
// A field that takes another code from the cell (the name's colon) shows that glyph over it.
int PaletteGlyphCode(int cell);

// A click on the palette at (x, y): inserts the cell's code into the field, within the
// field's length limit. True when the text changed.
bool PaletteClick(Course& course, GameTextField& field, int x, int y);

}  // namespace kurvex
