// The Course Properties edits of the document: each is one undoable step.
#include <cmath>
#include <string>

#include "editing/course_document.h"
#include "editing/edit_result.h"
#include "editing/horizon_list.h"
#include "editing/property_lists.h"
#include "editing/special_characters.h"

namespace kurvex {

namespace {

const char* FieldStepName(const GameTextField& field) {
  switch (field.Kind()) {
    case TextFieldKind::kName:
      return "Edit Name";
    case TextFieldKind::kDescription:
      return "Edit Description";
    default:
      return "Edit Japanese Description";
  }
}

// Keys and palette clicks into one field follow one another in one step.
CourseDocument::Step FieldStep(const GameTextField& field) {
  return {FieldStepName(field), "text" + std::to_string(static_cast<int>(field.Kind()))};
}

}  // namespace

int16_t CourseDocument::ChooseVenue(int index) {
  return ApplyIf([&](Course& c) { return kurvex::ChooseVenue(c, index); }, {"Change Venue"});
}

int16_t CourseDocument::ChooseSky(int index) {
  return ApplyIf([&](Course& c) { return kurvex::ChooseSky(c, index); }, {"Change Sky"});
}

int16_t CourseDocument::ChooseRomMusic(int index) {
  return ApplyIf([&](Course& c) { return kurvex::ChooseRomMusic(c, index); }, {"Change Music"});
}

int16_t CourseDocument::ChooseEkMusic(int index) {
  return ApplyIf([&](Course& c) { return kurvex::ChooseEkMusic(c, index); }, {"Change Music"});
}

int16_t CourseDocument::SetSource(const std::string& text) {
  return ApplyIf(
      [&](Course& c) {
        c.Source = text;
        return true;
      },
      {"Change Source", "source"});
}

int16_t CourseDocument::TextFieldKey(GameTextField& field, const TextKey& key) {
  return ApplyIf([&](Course& c) { return field.KeyDown(c, key) == FieldEdit::kChanged; },
                 FieldStep(field));
}

int16_t CourseDocument::PaletteClick(GameTextField& field, int x, int y) {
  return ApplyIf([&](Course& c) { return kurvex::PaletteClick(c, field, x, y); }, FieldStep(field));
}

int16_t CourseDocument::AddHorizon(int* entry) {
  return ApplyIf(
      [&](Course& c) {
        const int added = kurvex::AddHorizon(c);
        if (entry) *entry = added;
        return added > 0;
      },
      {"Add Horizon"});
}

int16_t CourseDocument::DeleteHorizon(int entry, int* selected) {
  return ApplyIf(
      [&](Course& c) {
        const int next = kurvex::DeleteHorizon(c, entry);
        if (selected) *selected = next;
        return next >= 0;
      },
      {"Delete Horizon"});
}

int16_t CourseDocument::SetHorizonAngle(int entry, double degrees) {
  if (!std::isfinite(degrees)) return kEditBadNumber;
  return ApplyIf([&](Course& c) { return kurvex::SetHorizonAngle(c, entry, degrees); },
                 {"Change Horizon Angle", "angle" + std::to_string(entry)});
}

int16_t CourseDocument::ChooseHorizonImage(int entry, int index) {
  return ApplyIf([&](Course& c) { return kurvex::ChooseHorizonImage(c, entry, index); },
                 {"Change Horizon Image"});
}

}  // namespace kurvex
