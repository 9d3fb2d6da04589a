#include "editing/course_document.h"

#include <gtest/gtest.h>

#include <functional>

#include "course/course_compare.h"
#include "course/datasheet.h"
#include "course/kurv_file.h"
#include "course/track_type.h"
#include "editing/edit_result.h"
#include "course/track_type.h"
#include "test_courses.h"

namespace kurvex {
namespace {

using test::RingCourse;

std::vector<uint8_t> Image(const Course& course) {
  std::vector<uint8_t> bytes;
  WriteCourseFile(course, bytes);
  return bytes;
}

class CourseDocumentTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Course ring = RingCourse(8);
    ring.Points[5].TrackCode = TrackCodeFor(kPipe, 0);
    doc_.Replace(ring);
    doc_.SelectPoint(3);
  }

  // Applies an edit, then checks that undo gives back the exact file image and redo the
  // edited one.
  void ExpectUndoable(const std::string& what, const std::function<void()>& edit) {
    SCOPED_TRACE(what);
    const std::vector<uint8_t> before = Image(doc_.course());
    edit();
    const std::vector<uint8_t> after = Image(doc_.course());
    ASSERT_NE(after, before);
    ASSERT_TRUE(doc_.CanUndo());
    ASSERT_TRUE(doc_.Undo());
    EXPECT_EQ(Image(doc_.course()), before);
    EXPECT_TRUE(IsPreparedFor(doc_.prepared(), doc_.course()));
    ASSERT_TRUE(doc_.Redo());
    EXPECT_EQ(Image(doc_.course()), after);
  }

  CourseDocument doc_;
};

TEST_F(CourseDocumentTest, EveryKindOfEditUndoesByteForByte) {
  ExpectUndoable("coordinate", [&] { doc_.SetCoordinate(kAxisY, 12.5); });
  ExpectUndoable("width", [&] { doc_.SetWidth(true, 40); });
  ExpectUndoable("banking", [&] { doc_.SetBanking(-30); });
  ExpectUndoable("track type", [&] { doc_.ChangeTrackType(kTunnel); });
  ExpectUndoable("texture", [&] { doc_.ChangeTexture(2); });
  ExpectUndoable("feature", [&] { doc_.SetFeature(&Course::Gate, 3); });
  ExpectUndoable("zone", [&] { doc_.ChangeZone(kZoneDart, 1); });
  ExpectUndoable("structure", [&] { doc_.SetStructure(2, true, false); });
  ExpectUndoable("add", [&] { doc_.AddPoint(); });
  ExpectUndoable("delete", [&] { doc_.DeletePoint(); });
  ExpectUndoable("make first", [&] { doc_.MakeFirst(); });
  ExpectUndoable("translate", [&] { doc_.Translate(10, 20, 30); });
  ExpectUndoable("rotate", [&] { doc_.Rotate(30, 0, 0); });
  ExpectUndoable("scale", [&] { doc_.Scale(0.5, true); });
  ExpectUndoable("center", [&] { doc_.CenterTrack(); });
  ExpectUndoable("line up", [&] { doc_.LineUp(1, 4, true); });
  ExpectUndoable("extreme", [&] { doc_.SetExtreme(kAxisX, true, 100); });
  ExpectUndoable("ek friendly", [&] { doc_.EkFriendly(); });
  ExpectUndoable("sheet", [&] {
    doc_.UpdateFromSheet(GenDatasheet(doc_.course()) + "\r\nCTL_Point 2\r\nX = 77");
  });
  ExpectUndoable("drag", [&] {
    doc_.BeginDrag(kPadXZ, 0, 0);
    doc_.DragMove(kPadXZ, 5, 0);
    doc_.DragMove(kPadXZ, 9, 3);
    doc_.EndDrag(kPadXZ);
  });
}

TEST_F(CourseDocumentTest, AddAndDeleteMoveTheSelection) {
  ASSERT_EQ(doc_.AddPoint(), kEditOk);
  EXPECT_EQ(doc_.current_point(), 4);
  EXPECT_EQ(doc_.course().PointCount, 9);
  ASSERT_TRUE(doc_.Undo());
  EXPECT_EQ(doc_.current_point(), 3);
  doc_.SelectPoint(8);
  ASSERT_EQ(doc_.DeletePoint(), kEditOk);
  EXPECT_EQ(doc_.current_point(), 7);
}

TEST_F(CourseDocumentTest, RefusedAndEmptyEditsLeaveNoStep) {
  doc_.SelectPoint(4);
  EXPECT_EQ(doc_.ChangeTrackType(kTunnel), kEditTrackMismatch);  // point 5 is a Pipe
  EXPECT_EQ(doc_.Scale(0, false), kEditBadFactor);
  EXPECT_EQ(doc_.SetBanking(0), kEditUnchanged);
  EXPECT_FALSE(doc_.CanUndo());
  EXPECT_FALSE(doc_.IsModified());
}

TEST_F(CourseDocumentTest, ADragIsOneStepSettledAtTheEnd) {
  doc_.SelectPoint(2);
  const Course before = doc_.course();
  doc_.BeginDrag(kPadY, 0, 0);
  for (int y = -1; y >= -5; --y) EXPECT_TRUE(doc_.DragMove(kPadY, 0, y));
  EXPECT_FALSE(doc_.DragMove(kPadXZ, 0, 0));
  doc_.EndDrag(kPadY);
  EXPECT_EQ(doc_.course().Points[2].Y, 50.0f);
  ASSERT_TRUE(doc_.Undo());
  EXPECT_EQ(doc_.course(), before);
  EXPECT_FALSE(doc_.CanUndo());
}

TEST_F(CourseDocumentTest, ANewEditAfterUndoDropsTheRedoSteps) {
  doc_.SetWidth(false, 30);
  doc_.Undo();
  ASSERT_TRUE(doc_.CanRedo());
  doc_.SetWidth(false, 40);
  EXPECT_FALSE(doc_.CanRedo());
  EXPECT_FALSE(doc_.Redo());
  EXPECT_EQ(doc_.course().Points[3].RightWidth, 400);
}

TEST_F(CourseDocumentTest, ModifiedFollowsUndoAndSaving) {
  doc_.SetWidth(false, 30);
  EXPECT_TRUE(doc_.IsModified());
  doc_.Undo();
  EXPECT_FALSE(doc_.IsModified());
  doc_.Redo();
  doc_.MarkClean();
  doc_.SetWidth(false, 31);
  EXPECT_TRUE(doc_.IsModified());
  doc_.Undo();
  EXPECT_FALSE(doc_.IsModified());
  doc_.Undo();
  EXPECT_TRUE(doc_.IsModified());
  doc_.Replace(RingCourse(5));
  EXPECT_FALSE(doc_.IsModified());
  EXPECT_FALSE(doc_.CanUndo());
}

TEST_F(CourseDocumentTest, EditsSettleTheCourse) {
  doc_.SelectPoint(2);
  // Moving a point onto its predecessor parts them again.
  doc_.SetCoordinate(kAxisX, doc_.course().Points[1].X / 10);
  doc_.SetCoordinate(kAxisZ, doc_.course().Points[1].Z / 10);
  EXPECT_EQ(doc_.course().Points[2].Y, 10.0f);
  EXPECT_TRUE(IsPreparedFor(doc_.prepared(), doc_.course()));
  // An overflowing sheet keeps what it read and can be undone.
  EXPECT_EQ(doc_.UpdateFromSheet("Name = HALF\r\nVenue = 1e999"), kSheetOverflow);
  EXPECT_EQ(doc_.course().Name, "HALF");
  EXPECT_TRUE(doc_.Undo());
  EXPECT_EQ(doc_.course().Name, "NEW TRACK");
}

}  // namespace
}  // namespace kurvex
