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

// The keys that edit a field rather than type into it.
enum class EditKey { kBackspace, kDelete, kLeft, kRight };

// A key pressed in a field: an editing key, or a character typed (a capital letter, a digit,
// a space or a full stop, as the key shows it; Shift chooses the lower-case glyphs). The two
// are told apart by kind, not by number: the window system's key numbers of Delete and the
// full stop, of Left and '%', of Right and the apostrophe coincide.
class TextKey {
 public:
  static TextKey Edit(EditKey key) { return TextKey(true, key, 0, false); }
  static TextKey Typed(int character, bool shift = false) {
    return TextKey(false, EditKey::kBackspace, character, shift);
  }

  bool IsEdit() const { return is_edit_; }
  EditKey Key() const { return key_; }
  int Character() const { return character_; }
  bool Shift() const { return shift_; }

 private:
  TextKey(bool is_edit, EditKey key, int character, bool shift)
      : is_edit_(is_edit), key_(key), character_(character), shift_(shift) {}
  bool is_edit_;
  EditKey key_;
  int character_;
  bool shift_;
};

constexpr size_t kNameLimit = 20;
constexpr size_t kDescriptionLimit = 30;
constexpr size_t kJapaneseLimit = 20;

size_t FieldLengthLimit(TextFieldKind kind);
std::string& FieldText(Course& course, TextFieldKind kind);
const std::string& FieldText(const Course& course, TextFieldKind kind);

// The game code a typed character gives in a field, or -1 when the field takes none from it.
// With Shift held, C, R and S type the lower-case glyphs in the description. The full stop
// types into the name and the description; the Japanese font has none.
int TypedCode(TextFieldKind kind, int character, bool shift);

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
  void PlaceInsertionNear(const Course& course, int x);

  // A key pressed in the field: typing while below the limit, Backspace, Delete, Left, Right;
  // every other key, and typing into a full field, does nothing.
  FieldEdit KeyDown(Course& course, const TextKey& key);

 private:
  TextFieldKind kind_;
  const GlyphWidths* widths_;
  int index_ = 0;
};

}  // namespace kurvex
