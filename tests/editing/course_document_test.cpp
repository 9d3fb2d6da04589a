#include "editing/course_document.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

#include "course/course_compare.h"
#include "course/datasheet.h"
#include "course/kurv_file.h"
#include "course/message.h"
#include "course/track_type.h"
#include "editing/edit_result.h"
#include "editing/texture_list.h"
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

  GameTextField name_{TextFieldKind::kName};

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

TEST_F(CourseDocumentTest, ARecoveredCourseStaysModifiedUntilSaved) {
  doc_.Replace(RingCourse(5));
  bool told = false;
  doc_.AddListener([&](const DocumentChange& change) { told = told || change.modified; });
  doc_.MarkModified();
  EXPECT_TRUE(told);
  EXPECT_TRUE(doc_.IsModified());
  // Undoing every later step does not reach a saved state.
  doc_.SetWidth(false, 31);
  doc_.Undo();
  EXPECT_TRUE(doc_.IsModified());
  doc_.MarkClean();
  EXPECT_FALSE(doc_.IsModified());
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

TEST_F(CourseDocumentTest, TypingIsOneStepThatSettlesWhenTheBoxIsLeft) {
  doc_.SelectPoint(2);
  const Course before = doc_.course();
  const float x1 = before.Points[1].X / 10, z1 = before.Points[1].Z / 10;
  doc_.SetCoordinate(kAxisZ, z1);
  // Typing X of point 1 digit by digit: on the way the point sits on point 1 but is not lifted.
  const std::string typed = DefaultNumberText(x1);
  for (size_t n = 1; n <= typed.size(); ++n) {
    doc_.SetCoordinate(kAxisX, std::stod(typed.substr(0, n)), CourseDocument::Entry::kTyping);
  }
  EXPECT_EQ(doc_.course().Points[2].Y, 0.0f);
  EXPECT_TRUE(IsPreparedFor(doc_.prepared(), doc_.course()));  // the preview follows
  EXPECT_EQ(doc_.UndoName(), "Move Point");
  doc_.FinishTyping();
  EXPECT_EQ(doc_.course().Points[2].Y, 10.0f);  // parted when the box is left
  ASSERT_TRUE(doc_.Undo());                     // the typing is one step ...
  EXPECT_EQ(doc_.course().Points[2].X, before.Points[2].X);
  EXPECT_EQ(doc_.course().Points[2].Z, before.Points[1].Z);  // ... after the Z commit
  EXPECT_EQ(doc_.RedoName(), "Move Point");
}

TEST_F(CourseDocumentTest, ListenersHearWhatChanged) {
  std::vector<DocumentChange> heard;
  const int id = doc_.AddListener([&](const DocumentChange& change) { heard.push_back(change); });
  doc_.SetBanking(45);
  ASSERT_EQ(heard.size(), 1u);
  EXPECT_TRUE(heard[0].course && heard[0].settled && heard[0].history && heard[0].modified);
  EXPECT_EQ(heard[0].points.count(), 1u);
  EXPECT_TRUE(heard[0].points[3]);
  EXPECT_FALSE(heard[0].point_count || heard[0].course_wide);

  heard.clear();
  doc_.BeginDrag(kPadXZ, 0, 0);
  doc_.DragMove(kPadXZ, 4, 0);
  ASSERT_EQ(heard.size(), 1u);
  EXPECT_FALSE(heard[0].settled);
  doc_.EndDrag(kPadXZ);
  ASSERT_EQ(heard.size(), 2u);
  EXPECT_TRUE(heard[1].settled);
  EXPECT_TRUE(heard[1].points[3]);  // the whole drag, for views that followed only part of it

  heard.clear();
  doc_.ChooseVenue(4);
  doc_.SelectPoint(5);
  doc_.Replace(RingCourse(6));
  ASSERT_EQ(heard.size(), 3u);
  EXPECT_TRUE(heard[0].venue && heard[0].course_wide && heard[0].points.none());
  EXPECT_TRUE(heard[1].selection && !heard[1].course);
  EXPECT_TRUE(heard[2].replaced && heard[2].point_count);

  doc_.RemoveListener(id);
  doc_.SetBanking(10);
  EXPECT_EQ(heard.size(), 3u);
}

TEST_F(CourseDocumentTest, AGestureIsOneNamedStepAndCanBeCancelled) {
  const Course before = doc_.course();
  doc_.BeginGesture("Move Point");
  doc_.UpdateGesture([](Course& c, int& i) {
    c.Points[i].X += 500;
    return int16_t{kEditOk};
  });
  EXPECT_TRUE(doc_.IsModified());
  doc_.CancelGesture();
  EXPECT_EQ(doc_.course(), before);
  EXPECT_FALSE(doc_.CanUndo());
  EXPECT_FALSE(doc_.IsModified());

  doc_.ChangeTrackType(kTunnel);
  doc_.TextFieldKey(name_, TextKey::Typed('A'));
  doc_.TextFieldKey(name_, TextKey::Typed('B'));
  EXPECT_EQ(doc_.course().Name, "ABNEW TRACK");  // typed at the start
  EXPECT_EQ(doc_.UndoName(), "Edit Name");
  ASSERT_TRUE(doc_.Undo());  // both letters at once
  EXPECT_EQ(doc_.course().Name, "NEW TRACK");
  EXPECT_EQ(doc_.UndoName(), "Change Track Type");
}

TEST_F(CourseDocumentTest, NumbersThatAreNotFiniteOrOverflowAreRefused) {
  const Course before = doc_.course();
  const double inf = std::numeric_limits<double>::infinity();
  EXPECT_EQ(doc_.SetCoordinate(kAxisX, std::nan("")), kEditBadNumber);
  EXPECT_EQ(doc_.SetCoordinate(kAxisX, 1e308), kEditBadNumber);  // x 10 overflows
  EXPECT_EQ(doc_.SetWidth(true, inf), kEditBadNumber);
  EXPECT_EQ(doc_.SetBanking(-inf), kEditBadNumber);
  EXPECT_EQ(doc_.Translate(0, std::nan(""), 0), kEditBadNumber);
  EXPECT_EQ(doc_.Rotate(inf, 0, 0), kEditBadNumber);
  EXPECT_EQ(doc_.Scale(std::nan(""), true), kEditBadNumber);
  EXPECT_EQ(doc_.SetExtreme(kAxisY, true, 1e308), kEditBadNumber);
  EXPECT_EQ(doc_.SetDragSpeed(1e308), kEditBadNumber);
  EXPECT_EQ(doc_.SetHorizonAngle(1, std::nan("")), kEditBadNumber);
  EXPECT_EQ(doc_.ChangeTexture(9), kEditBadIndex);  // Normal lists 9 textures, 0..8
  EXPECT_EQ(doc_.course(), before);
  EXPECT_FALSE(doc_.CanUndo());
  // Huge but finite numbers are clamped after rounding in a wide type.
  doc_.SetWidth(true, 3e9);
  EXPECT_EQ(doc_.course().Points[3].LeftWidth, 1950);
  doc_.SetBanking(1e15 + 30);
  EXPECT_EQ(doc_.course().Banking[3], static_cast<int32_t>(std::fmod(1e15 + 30, 360.0)));
}

TEST(TextureList, IndexesFollowTheTrackType) {
  EXPECT_EQ(TextureList(kNormal).size(), 9u);
  EXPECT_EQ(TextureList(kNormal)[1], "Venue Texture 1A");  // texture 2: Normal has no texture 1
  EXPECT_EQ(TextureList(kHighWall).size(), 3u);
  EXPECT_EQ(TextureList(kNoTrack), std::vector<std::string>{"(No Track)"});
  EXPECT_EQ(TextureOfListIndex(kNormal, 1), 2);
  EXPECT_EQ(TextureOfListIndex(kPipe, 4), -1);
  EXPECT_EQ(TextureListIndex(TrackCodeFor(kNormal, 9)), 8);
  EXPECT_EQ(TextureListIndex(TrackCodeFor(kNormal, 1)), -1);
  EXPECT_EQ(TextureListIndex(TrackCodeFor(kTunnel, 3)), 3);
  EXPECT_EQ(TextureListIndex(kNoTrackCode), 0);
}

}  // namespace
}  // namespace kurvex
