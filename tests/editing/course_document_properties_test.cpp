// The Course Properties edits through the document: each one step, undone byte for byte.
#include <gtest/gtest.h>

#include "course/kurv_file.h"
#include "course/new_course.h"
#include "editing/course_document.h"
#include "editing/edit_result.h"

namespace kurvex {
namespace {

std::vector<uint8_t> Image(const Course& course) {
  std::vector<uint8_t> bytes;
  WriteCourseFile(course, bytes);
  return bytes;
}

TEST(CourseDocumentProperties, EachEditIsOneUndoableStep) {
  CourseDocument doc;
  doc.Replace(NewCourse());
  GameTextField name(TextFieldKind::kName);
  int entry = 0;
  const std::vector<std::pair<const char*, std::function<int16_t()>>> edits = {
      {"venue", [&] { return doc.ChooseVenue(3); }},
      {"sky", [&] { return doc.ChooseSky(6); }},
      {"rom music", [&] { return doc.ChooseRomMusic(16); }},
      {"ek music", [&] { return doc.ChooseEkMusic(13); }},
      {"source", [&] { return doc.SetSource("Somewhere else"); }},
      {"typed name", [&] { return doc.TextFieldKey(name, TextKey::Typed('X')); }},
      {"palette", [&] { return doc.PaletteClick(name, 12 * 16 + 4, 4); }},
      {"backspace", [&] { return doc.TextFieldKey(name, TextKey::Edit(EditKey::kBackspace)); }},
      {"add horizon", [&] { return doc.AddHorizon(&entry); }},
      {"horizon angle", [&] { return doc.SetHorizonAngle(1, -90); }},
      {"horizon image", [&] { return doc.ChooseHorizonImage(1, 43); }},
      {"delete horizon", [&] { return doc.DeleteHorizon(1); }},
  };
  for (const auto& [what, edit] : edits) {
    SCOPED_TRACE(what);
    const std::vector<uint8_t> before = Image(doc.course());
    ASSERT_EQ(edit(), kEditOk);
    const std::vector<uint8_t> after = Image(doc.course());
    ASSERT_NE(after, before);
    ASSERT_TRUE(doc.Undo());
    EXPECT_EQ(Image(doc.course()), before);
    ASSERT_TRUE(doc.Redo());
    EXPECT_EQ(Image(doc.course()), after);
  }
  EXPECT_EQ(entry, 1);
  EXPECT_EQ(doc.course().Venue, 3);
  EXPECT_EQ(doc.course().RomMusic, 24);
}

TEST(CourseDocumentProperties, RefusedChoicesLeaveNoStep) {
  CourseDocument doc;
  doc.Replace(NewCourse());
  GameTextField name(TextFieldKind::kName);
  EXPECT_EQ(doc.ChooseVenue(11), kEditUnchanged);
  EXPECT_EQ(doc.DeleteHorizon(1), kEditUnchanged);
  EXPECT_EQ(doc.TextFieldKey(name, TextKey::Edit(EditKey::kLeft)),
            kEditUnchanged);  // Left only moves the caret
  EXPECT_FALSE(doc.CanUndo());
}

}  // namespace
}  // namespace kurvex
