#pragma once
// Editing of the three game texts of a course (name, description, Japanese description) one
// game code at a time, as the Course Properties window does it: which keys type which codes,
// how long each text may grow, and an insertion point measured in the game font's pixels.
//
// A field keeps only its insertion index; the text itself is always the course's, so an undo
// or a newly loaded course can never leave a stale copy behind. The index is kept within the
// text's length whenever it is used.

#include <cstddef>
#include <string>

#include "course/course.h"
#include "course/game_text.h"

namespace kurvex {

enum class TextFieldKind : int { kName = 1, kDescription = 2, kJapanese = 3 };

// Key codes of the window system's key events; letters and digits come as their ASCII
// capitals and digits, space as 32.
constexpr int kKeyBackspace = 8;
constexpr int kKeyLeft = 37;
constexpr int kKeyRight = 39;
constexpr int kKeyDelete = 46;

constexpr size_t kNameLimit = 20;
constexpr size_t kDescriptionLimit = 30;
constexpr size_t kJapaneseLimit = 20;

size_t FieldLengthLimit(TextFieldKind kind);
std::string& FieldText(Course& course, TextFieldKind kind);
const std::string& FieldText(const Course& course, TextFieldKind kind);

// The game code a key types into a field, or -1 when the field takes no code from that key.
// With Shift held, C, R and S type the lower-case glyphs in the description.
int TypedCode(TextFieldKind kind, int key, bool shift);

// What a key or a click did to a field.
enum class FieldEdit { kNone, kMoved, kChanged };

class GameTextField {
 public:
  explicit GameTextField(TextFieldKind kind, const GlyphWidths& widths = GameGlyphWidths());

  TextFieldKind Kind() const { return kind_; }
  const std::string& Text(const Course& course) const { return FieldText(course, kind_); }
  // Codes before the insertion point, 0..length.
  int InsertionIndex(const Course& course) const;
  // Pixel position of the insertion line: the width of the codes before it.
  int InsertionX(const Course& course) const;

  // Inserts a code (0..255) at the insertion point and moves past it. False, changing
  // nothing, when the text has reached its length limit.
  bool AddChar(Course& course, int code);
  // Backspace: removes the code before the insertion point.
  bool RemoveChar(Course& course);
  // Delete: removes the code after the insertion point.
  bool DeleteChar(Course& course);
  // Moves the insertion point by delta codes, stopping at either end. False when it stayed.
  bool MoveIns(const Course& course, int delta);
  // Puts the insertion point at the code boundary nearest to pixel x (the earlier on a tie).
  void FigureIns(const Course& course, int x);

  // A key pressed in the field: typing while below the limit, Backspace, Delete, Left, Right;
  // every other key, and typing into a full field, does nothing.
  FieldEdit KeyDown(Course& course, int key, bool shift);

 private:
  TextFieldKind kind_;
  const GlyphWidths* widths_;
  int index_ = 0;
};

}  // namespace kurvex
