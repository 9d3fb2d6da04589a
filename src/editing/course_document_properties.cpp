// The Course Properties edits of the document: each is one undoable step.
#include "editing/course_document.h"
#include "editing/edit_result.h"
#include "editing/horizon_list.h"
#include "editing/property_lists.h"
#include "editing/special_characters.h"

namespace kurvex {

int16_t CourseDocument::ApplyIf(const std::function<bool(Course& course)>& change) {
  return Apply([&](Course& c, int&) { return change(c) ? kEditOk : kEditUnchanged; });
}

int16_t CourseDocument::ChooseVenue(int index) {
  return ApplyIf([&](Course& c) { return kurvex::ChooseVenue(c, index); });
}

int16_t CourseDocument::ChooseSky(int index) {
  return ApplyIf([&](Course& c) { return kurvex::ChooseSky(c, index); });
}

int16_t CourseDocument::ChooseRomMusic(int index) {
  return ApplyIf([&](Course& c) { return kurvex::ChooseRomMusic(c, index); });
}

int16_t CourseDocument::ChooseEkMusic(int index) {
  return ApplyIf([&](Course& c) { return kurvex::ChooseEkMusic(c, index); });
}

int16_t CourseDocument::SetSource(const std::string& text) {
  return ApplyIf([&](Course& c) {
    c.Source = text;
    return true;
  });
}

int16_t CourseDocument::TextFieldKey(GameTextField& field, int key, bool shift) {
  return ApplyIf([&](Course& c) { return field.KeyDown(c, key, shift) == FieldEdit::kChanged; });
}

int16_t CourseDocument::PaletteClick(GameTextField& field, int x, int y) {
  return ApplyIf([&](Course& c) { return kurvex::PaletteClick(c, field, x, y); });
}

int16_t CourseDocument::AddHorizon(int* entry) {
  return ApplyIf([&](Course& c) {
    const int added = kurvex::AddHorizon(c);
    if (entry) *entry = added;
    return added > 0;
  });
}

int16_t CourseDocument::DeleteHorizon(int entry, int* selected) {
  return ApplyIf([&](Course& c) {
    const int next = kurvex::DeleteHorizon(c, entry);
    if (selected) *selected = next;
    return next >= 0;
  });
}

int16_t CourseDocument::SetHorizonAngle(int entry, double degrees) {
  return ApplyIf([&](Course& c) { return kurvex::SetHorizonAngle(c, entry, degrees); });
}

int16_t CourseDocument::ChooseHorizonImage(int entry, int index) {
  return ApplyIf([&](Course& c) { return kurvex::ChooseHorizonImage(c, entry, index); });
}

}  // namespace kurvex
