#include "editing/game_text_field.h"

#include <cstdlib>

namespace kurvex {
namespace {

bool IsDigit(int key) { return key >= '0' && key <= '9'; }
bool IsLetter(int key) { return key >= 'A' && key <= 'Z'; }

}  // namespace

size_t FieldLengthLimit(TextFieldKind kind) {
  switch (kind) {
    case TextFieldKind::kDescription:
      return kDescriptionLimit;
    case TextFieldKind::kJapanese:
      return kJapaneseLimit;
    case TextFieldKind::kName:
      break;
  }
  return kNameLimit;
}

std::string& FieldText(Course& course, TextFieldKind kind) {
  switch (kind) {
    case TextFieldKind::kDescription:
      return course.Description;
    case TextFieldKind::kJapanese:
      return course.JDescription;
    case TextFieldKind::kName:
      break;
  }
  return course.Name;
}

const std::string& FieldText(const Course& course, TextFieldKind kind) {
  return FieldText(const_cast<Course&>(course), kind);
}

int TypedCode(TextFieldKind kind, int character, bool shift) {
  const int c = character;
  if (c == ' ' || IsDigit(c)) return c;
  if (c == '.') return kind == TextFieldKind::kJapanese ? -1 : c;
  if (!IsLetter(c)) return -1;
  switch (kind) {
    case TextFieldKind::kName:
      return c;
    case TextFieldKind::kDescription:
      // The font's only lower-case glyphs.
      if (shift && (c == 'C' || c == 'R' || c == 'S')) return c + ('a' - 'A');
      return c;
    case TextFieldKind::kJapanese:
      // The Japanese description font has no other Latin letters.
      return (c == 'A' || c == 'D' || c == 'E' || c == 'M') ? c : -1;
  }
  return -1;
}

GameTextField::GameTextField(TextFieldKind kind, const GlyphWidths& widths)
    : kind_(kind), widths_(&widths) {}

int GameTextField::InsertionIndex(const Course& course) const {
  const int length = static_cast<int>(Text(course).size());
  if (index_ < 0) return 0;
  return index_ > length ? length : index_;
}

int GameTextField::InsertionX(const Course& course) const {
  return widths_->GetWidth(Text(course).substr(0, InsertionIndex(course)));
}

bool GameTextField::AddChar(Course& course, int code) {
  std::string& text = FieldText(course, kind_);
  if (code < 0 || code > 255 || text.size() >= FieldLengthLimit(kind_)) return false;
  const int at = InsertionIndex(course);
  text.insert(text.begin() + at, static_cast<char>(code));
  index_ = at + 1;
  return true;
}

bool GameTextField::RemoveChar(Course& course) {
  const int at = InsertionIndex(course);
  if (at == 0) return false;
  FieldText(course, kind_).erase(at - 1, 1);
  index_ = at - 1;
  return true;
}

bool GameTextField::DeleteChar(Course& course) {
  std::string& text = FieldText(course, kind_);
  const int at = InsertionIndex(course);
  index_ = at;
  if (at >= static_cast<int>(text.size())) return false;
  text.erase(at, 1);
  return true;
}

bool GameTextField::MoveIns(const Course& course, int delta) {
  const int at = InsertionIndex(course);
  const long long length = static_cast<long long>(Text(course).size());
  long long moved = static_cast<long long>(at) + delta;
  if (moved < 0) moved = 0;
  if (moved > length) moved = length;
  index_ = static_cast<int>(moved);
  return index_ != at;
}

void GameTextField::PlaceInsertionNear(const Course& course, int x) {
  const std::string& text = Text(course);
  const int length = static_cast<int>(text.size());
  // Boundary i lies at pixel w(i); take the first at or beyond x, or the end.
  int i = 0;
  int w = 0;
  int previous_w = 0;
  while (i < length && w < x) {
    previous_w = w;
    w += widths_->Width(static_cast<unsigned char>(text[i]));
    ++i;
  }
  if (i > 0 && w >= x && std::abs(x - previous_w) <= std::abs(w - x)) --i;
  index_ = i;
}

FieldEdit GameTextField::KeyDown(Course& course, const TextKey& key) {
  if (!key.IsEdit()) {
    const int code = TypedCode(kind_, key.Character(), key.Shift());
    return code >= 0 && AddChar(course, code) ? FieldEdit::kChanged : FieldEdit::kNone;
  }
  switch (key.Key()) {
    case EditKey::kBackspace:
      return RemoveChar(course) ? FieldEdit::kChanged : FieldEdit::kNone;
    case EditKey::kDelete:
      return DeleteChar(course) ? FieldEdit::kChanged : FieldEdit::kNone;
    case EditKey::kLeft:
      return MoveIns(course, -1) ? FieldEdit::kMoved : FieldEdit::kNone;
    case EditKey::kRight:
      return MoveIns(course, +1) ? FieldEdit::kMoved : FieldEdit::kNone;
  }
  return FieldEdit::kNone;
}

}  // namespace kurvex
