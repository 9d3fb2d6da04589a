#include "editing/point_edits.h"

#include <gtest/gtest.h>

#include "course/course_compare.h"
#include "editing/drag_pads.h"
#include "editing/edit_result.h"
#include "course/track_type.h"
#include "test_courses.h"

namespace kurvex {
namespace {

using test::RingCourse;
using test::SetType;

TEST(PointEdits, TextBoxRules) {
  Course c = RingCourse(4);
  const Extremes extremes;
  SetCoordinate(c, 1, kAxisX, 123.4567, extremes);
  EXPECT_FLOAT_EQ(c.Points[1].X, 1234.567f);
  SetCoordinate(c, 1, kAxisY, -5, extremes);
  EXPECT_EQ(c.Points[1].Y, 0.0f);
  SetCoordinate(c, 1, kAxisZ, 2000, extremes);
  EXPECT_EQ(c.Points[1].Z, 15000.0f);
  SetWidth(c, 1, true, 12.25);
  EXPECT_EQ(c.Points[1].LeftWidth, 122);
  SetWidth(c, 1, false, 500);
  EXPECT_EQ(c.Points[1].RightWidth, 1950);
  EXPECT_EQ(NormaliseBanking(-30), 330);
  EXPECT_EQ(NormaliseBanking(725), 5);
  EXPECT_EQ(NormaliseBanking(359.6), 0);
  EXPECT_DOUBLE_EQ(AddOffsetFromShown(5), 0.1);
  EXPECT_DOUBLE_EQ(AddOffsetFromShown(95), 0.9);
  EXPECT_DOUBLE_EQ(DragSpeedFromShown(0.05), 0.5);
}

TEST(PointEdits, TrackTypeChangesKeepJunctionsValid) {
  Course c = RingCourse(4);
  SetType(c, 2, kPipe);
  EXPECT_EQ(ChangeTrackType(c, 3, kTunnel), kEditTrackMismatch);
  EXPECT_EQ(c.Points[3].TrackCode, 2);
  EXPECT_EQ(EditMessageCaption(kEditTrackMismatch), "Change Track Type");
  EXPECT_EQ(ChangeTrackType(c, 3, kPipe), kEditOk);
  EXPECT_EQ(c.Points[3].TrackCode, TrackCodeFor(kPipe, 0));
  EXPECT_EQ(c.Points[3].TrackFlags, 0x2000);
  EXPECT_EQ(ChangeTrackType(c, 3, kNormal), kEditOk);
  EXPECT_EQ(c.Points[3].TrackCode, 2);
  EXPECT_EQ(ChangeTrackType(c, 3, kNoTrack), kEditOk);
  EXPECT_EQ(c.Points[3].TrackCode, kNoTrackCode);
  EXPECT_EQ(c.Points[3].TrackFlags, 0x1000);
  EXPECT_EQ(ChangeTrackType(c, 4, kNoWall), kEditOk);
  EXPECT_EQ(c.Points[4].TrackCode, 448);
  ChangeTexture(c, 4, 2);
  EXPECT_EQ(c.Points[4].TrackCode, 450);
  ChangeTexture(c, 1, 1);  // Normal's list has no texture 1
  EXPECT_EQ(c.Points[1].TrackCode, 2);
  ChangeTexture(c, 1, 0);
  EXPECT_EQ(c.Points[1].TrackCode, 0);
}

TEST(PointEdits, ZonesShareThePointsSides) {
  Course c = RingCourse(4);
  c.PitArea[1] = 0;
  ChangeZone(c, 1, kZoneDart, 1);
  EXPECT_EQ(c.PitArea[1], 2);
  EXPECT_EQ(c.DartZone[1], 1);
  c.SlipZone[1] = 3;
  ChangeZone(c, 1, kZonePit, 0);  // Both Sides clears all but a centre zone
  EXPECT_EQ(c.DartZone[1], kNone);
  EXPECT_EQ(c.SlipZone[1], 3);
  ChangeZone(c, 1, kZoneDart, 3);
  EXPECT_EQ(c.SlipZone[1], kNone);
  ChangeZone(c, 1, kZoneDart, -1);
  EXPECT_EQ(c.DartZone[1], kNone);
  EXPECT_EQ(c.PitArea[1], 0);
  EXPECT_EQ(StructureFromControls(3, true, false), 7);
  EXPECT_EQ(StructureFromControls(5, true, true), 12);
  EXPECT_EQ(StructureFromControls(1, false, true), 2);
  EXPECT_EQ(StructureFromControls(2, false, false), kNone);
  EXPECT_EQ(StructureFromControls(0, true, true), kNone);
}

TEST(PointEdits, AddPointAveragesAndCopies) {
  Course c = RingCourse(4);
  c.Banking[4] = 350;
  c.Banking[1] = 10;
  c.Points[4].LeftWidth = 300;
  c.PitArea[4] = 1;
  c.Gate[4] = 0;
  c.TrapField[4] = 2;
  PreparedCourse prepared;
  ASSERT_EQ(PrepareCourse(c, 0.25, prepared), 0);
  int added = 0;
  ASSERT_EQ(AddPoint(c, prepared, 4, 0.5, Extremes(), &added), kEditOk);
  EXPECT_EQ(added, 5);
  EXPECT_EQ(c.PointCount, 5);
  EXPECT_EQ(c.Banking[5], 0);
  EXPECT_EQ(c.Points[5].LeftWidth, 280);
  EXPECT_EQ(c.PitArea[5], 1);
  EXPECT_EQ(c.TrapField[5], 2);
  EXPECT_EQ(c.Gate[5], kNone);
  EXPECT_GT(c.Points[5].X, 2000);  // between point 4 (north) and point 1 (east)
  EXPECT_LT(c.Points[5].Z, -2000);

  Course d = RingCourse(4);
  d.Banking[2] = 270;
  d.Banking[3] = 0;
  PrepareCourse(d, 0.25, prepared);
  ASSERT_EQ(AddPoint(d, prepared, 2, 0.5, Extremes()), kEditOk);
  EXPECT_EQ(d.Banking[3], 315);
  EXPECT_EQ(d.Points[4].X, -5000.0f);  // the old point 3 moved up
}

TEST(PointEdits, AddPointNeedsRoomAndGeometry) {
  Course c = RingCourse(64);
  PreparedCourse prepared;
  PrepareCourse(c, 0.25, prepared);
  EXPECT_EQ(AddPoint(c, prepared, 1, 0.5, Extremes()), kEditTooManyPoints);
  Course d = RingCourse(5);
  EXPECT_EQ(AddPoint(d, prepared, 1, 0.5, Extremes()), kEditNotPrepared);
}

TEST(PointEdits, DeletePointChecksTheJoin) {
  Course c = RingCourse(6);
  SetType(c, 2, kPipe);
  SetType(c, 4, kHalfPipe);
  EXPECT_EQ(DeletePoint(c, 3), kEditDeleteMismatch);
  EXPECT_EQ(c.PointCount, 6);
  EXPECT_NE(EditMessage(kEditDeleteMismatch).Text().find("Deleting this control point will cause"),
            std::string::npos);
  SetType(c, 4, kNormal);
  int selected = 0;
  EXPECT_EQ(DeletePoint(c, 3, &selected), kEditOk);
  EXPECT_EQ(c.PointCount, 5);
  EXPECT_EQ(selected, 3);
  EXPECT_EQ(c.Points[6].X, 0.0f);
  EXPECT_EQ(c.Gate[6], kNone);
  EXPECT_EQ(DeletePoint(c, 5, &selected), kEditOk);
  EXPECT_EQ(selected, 4);
  EXPECT_EQ(DeletePoint(c, 1), kEditTooFewPoints);
}

TEST(PointEdits, MakeFirstRotatesTheRing) {
  const Course ring = RingCourse(5);
  Course c = ring;
  MakeFirst(c, 1);
  EXPECT_EQ(c.Points, ring.Points);
  c.Gate[3] = 2;
  MakeFirst(c, 3);
  EXPECT_EQ(c.Points[1].X, ring.Points[3].X);
  EXPECT_EQ(c.Gate[1], 2);
  EXPECT_EQ(c.Points[4].X, ring.Points[1].X);
  EXPECT_EQ(c.Points[5].X, ring.Points[2].X);
}

TEST(PointEdits, DragPads) {
  Course c = RingCourse(4);
  const Extremes extremes;
  ApplyDrag(c, 1, kPadLeftWidth, 3, 0, 0.5, extremes);  // slow drags still move 1 per unit
  EXPECT_EQ(c.Points[1].LeftWidth, 263);
  ApplyDrag(c, 1, kPadRightWidth, 2, 0, 10, extremes);
  EXPECT_EQ(c.Points[1].RightWidth, 240);
  ApplyDrag(c, 1, kPadXZ, -2, 1, 10, extremes);  // right and up
  EXPECT_EQ(c.Points[1].X, 5020.0f);
  EXPECT_EQ(c.Points[1].Z, -10.0f);
  ApplyDrag(c, 1, kPadY, 0, -3, 10, extremes);  // below the floor is clamped
  EXPECT_EQ(c.Points[1].Y, 0.0f);
  ApplyDrag(c, 1, kPadBanking, 5, 0, 10, extremes);
  EXPECT_EQ(c.Banking[1], 355);

  DragTracker tracker;
  double dx, dy;
  EXPECT_FALSE(tracker.Move(kPadY, 1, 1, &dx, &dy));
  tracker.Down(kPadY, 10, 10);
  ASSERT_TRUE(tracker.Move(kPadY, 12, 7, &dx, &dy));
  EXPECT_EQ(dx, -2);
  EXPECT_EQ(dy, 3);
  EXPECT_FALSE(tracker.Up(kPadXZ));
  EXPECT_TRUE(tracker.Up(kPadY));
}

TEST(EditReplies, EveryWindowMakesTheSameOfAResult) {
  // Done, and nothing to show: the limits the windows keep with disabled buttons count as done.
  for (int code : {kEditOk, kEditUnchanged, kEditTooManyPoints, kEditTooFewPoints}) {
    const EditReply reply = ReplyTo(code);
    EXPECT_TRUE(reply.done) << code;
    EXPECT_TRUE(reply.message.empty()) << code;
  }
  // Refused quietly: the control shows the stored value again, which says enough.
  for (int code : {kEditBadNumber, kEditBadIndex, kEditBadFactor}) {
    const EditReply reply = ReplyTo(code);
    EXPECT_FALSE(reply.done) << code;
    EXPECT_TRUE(reply.message.empty()) << code;
  }
  // Refused with the reason, under its own caption.
  const EditReply mismatch = ReplyTo(kEditDeleteMismatch);
  EXPECT_FALSE(mismatch.done);
  EXPECT_EQ(mismatch.caption, "Delete Control Point");
  EXPECT_EQ(mismatch.message, EditMessage(kEditDeleteMismatch));
  // Anything else is the unknown error, under the window's own caption.
  for (int code : {int{kEditUnknownError}, int{kEditNotPrepared}, 99}) {
    const EditReply reply = ReplyTo(code);
    EXPECT_FALSE(reply.done) << code;
    EXPECT_TRUE(reply.caption.empty()) << code;
    EXPECT_EQ(reply.message.Text("\n"), "An unknown error has occurred.") << code;
  }
}

TEST(PointEdits, PreviewDragsMoveInCourseUnitsWithinTheExtremes) {
  Course c = RingCourse(4);
  const CtlPoint before = c.Points[1];
  Extremes extremes;
  // Across the ground: a preview unit is 1000 course units; the height stays.
  ApplyPreviewDrag(c, 1, {0.25, 7, -0.5}, false, extremes);
  EXPECT_EQ(c.Points[1].X, before.X + 250);
  EXPECT_EQ(c.Points[1].Z, before.Z - 500);
  EXPECT_EQ(c.Points[1].Y, before.Y);
  // Upright: only the height moves.
  ApplyPreviewDrag(c, 1, {3, 1.5, 3}, true, extremes);
  EXPECT_EQ(c.Points[1].X, before.X + 250);
  EXPECT_EQ(c.Points[1].Y, before.Y + 1500);
  // Far beyond the box the point stops at its edge, on every axis.
  extremes.max[kAxisX] = 6000;
  ApplyPreviewDrag(c, 1, {1e9, 0, -1e9}, false, extremes);
  EXPECT_EQ(c.Points[1].X, 6000.0f);
  EXPECT_EQ(c.Points[1].Z, -15000.0f);
  ApplyPreviewDrag(c, 1, {0, -1e9, 0}, true, extremes);
  EXPECT_EQ(c.Points[1].Y, 0.0f);
  // The other points stay where they were.
  EXPECT_EQ(c.Points[2].X, RingCourse(4).Points[2].X);
}

TEST(PointEdits, CoincidentNeighboursArePartedUpward) {
  Course c = RingCourse(4);
  c.Points[3] = c.Points[2];
  c.Points[4] = c.Points[2];
  SeparateCoincidentNeighbours(c);
  EXPECT_EQ(c.Points[3].Y, 10.0f);
  EXPECT_EQ(c.Points[4].Y, 0.0f);  // only neighbours are compared
}

}  // namespace
}  // namespace kurvex
