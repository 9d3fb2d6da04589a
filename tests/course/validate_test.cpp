#include "course/validate.h"

#include <gtest/gtest.h>

#include <cfloat>

#include "course/new_course.h"
#include "course/track_type.h"

namespace kurvex {
namespace {

void SetType(Course& c, int i, int type, int texture = 0) {
  c.Points[i].TrackCode = TrackCodeFor(type, texture);
  c.Points[i].TrackFlags = TrackFlagsForType(type);
}

TEST(ValidateCourse, CoincidentPointsAreLiftedApart) {
  Course c = NewCourse();
  c.Points[3] = c.Points[2];
  ValidateCourse(c);
  EXPECT_EQ(c.Points[2].Y, 0.0f);
  EXPECT_EQ(c.Points[3].Y, 10.0f);

  Course three = NewCourse();
  three.Points[2] = three.Points[1];
  three.Points[3] = three.Points[1];
  ValidateCourse(three);
  EXPECT_EQ(three.Points[1].Y, 0.0f);
  EXPECT_EQ(three.Points[2].Y, 10.0f);
  EXPECT_EQ(three.Points[3].Y, 20.0f);
}

TEST(ValidateCourse, CoincidenceWrapsAroundTheRing) {
  Course c = NewCourse();
  c.Points[4] = c.Points[1];  // 4 is followed by 1
  ValidateCourse(c);
  EXPECT_EQ(c.Points[1].Y, 10.0f);
  EXPECT_EQ(c.Points[4].Y, 0.0f);
}

TEST(ValidateCourse, SeparationEndsWhereTenUnitsAreLostToRounding) {
  Course c = NewCourse();
  for (int i = 1; i <= 4; ++i) c.Points[i] = {1e30f, FLT_MAX, 1e30f, 260, 260, 0x1800, 2};
  ValidateCourse(c);
  for (int i = 1; i <= 4; ++i) {
    for (int j = i + 1; j <= 4; ++j) EXPECT_NE(c.Points[i].Y, c.Points[j].Y) << i << "," << j;
  }
}

TEST(ValidateCourse, RangesOfWidthsMusicVenueFeaturesAndHorizons) {
  Course c = NewCourse();
  c.Points[1].LeftWidth = 20;
  c.Points[1].RightWidth = 3000;
  c.RomMusic = 36;
  c.EkMusic = 36;
  c.Venue = 11;
  c.Sky = 8;
  c.PitArea[1] = 3;
  c.DartZone[1] = 3;
  c.SlipZone[1] = 4;
  c.Structure[1] = 15;
  c.Decoration[1] = 5;
  c.HorizonCount = 2;
  c.HorizonImage[1] = 60;
  c.HorizonImage[2] = 55;
  ValidateCourse(c);
  EXPECT_EQ(c.Points[1].LeftWidth, 50);
  EXPECT_EQ(c.Points[1].RightWidth, 1950);
  EXPECT_EQ(c.RomMusic, 255);
  EXPECT_EQ(c.EkMusic, 36);
  EXPECT_EQ(c.Venue, 0);
  EXPECT_EQ(c.Sky, 0);
  EXPECT_EQ(c.PitArea[1], kNone);
  EXPECT_EQ(c.DartZone[1], 3);
  EXPECT_EQ(c.SlipZone[1], kNone);
  EXPECT_EQ(c.Structure[1], kNone);
  EXPECT_EQ(c.Decoration[1], kNone);
  EXPECT_EQ(c.HorizonImage[1], 1);
  EXPECT_EQ(c.HorizonImage[2], 55);

  c.EkMusic = 20;
  c.RomMusic = 24;
  c.HorizonCount = 7;
  ValidateCourse(c);
  EXPECT_EQ(c.EkMusic, 0);
  EXPECT_EQ(c.RomMusic, 24);
  EXPECT_EQ(c.HorizonCount, 0);
}

TEST(ValidateCourse, TextsAreNormalisedForTheRom) {
  Course c = NewCourse();
  c.Name = "Mute\xFE";                   // lower case and gamma
  c.Description = "B\xA9G\x01i.";         // control code and lower-case i dropped
  c.JDescription = "BIG \xAB";           // B, I, G have no Japanese glyphs
  ValidateCourse(c);
  EXPECT_EQ(c.Name, "MUTE\xFE");
  EXPECT_EQ(c.Description, "B\xA9G.");
  EXPECT_EQ(c.JDescription, " \xAB");
}

TEST(FixTrackJunctions, DifferentSpecialTypesMayNotMeet) {
  Course c = NewCourse();
  SetType(c, 2, kTunnel);
  SetType(c, 3, kPipe, 1);
  FixTrackJunctions(c);
  EXPECT_EQ(c.Points[3].TrackCode, 2);
  EXPECT_EQ(c.Points[3].TrackFlags, 0x1800);
  EXPECT_EQ(c.Points[2].TrackCode, TrackCodeFor(kTunnel, 0));

  Course ok = NewCourse();
  SetType(ok, 3, kPipe, 1);
  SetType(ok, 4, kPipe, 2);  // same type, other texture
  FixTrackJunctions(ok);
  EXPECT_EQ(ok.Points[3].TrackCode, TrackCodeFor(kPipe, 1));
  EXPECT_EQ(ok.Points[4].TrackCode, TrackCodeFor(kPipe, 2));
}

TEST(FixTrackJunctions, NoTrackAndNormalFreeTheJunction) {
  Course c = NewCourse();
  SetType(c, 2, kCylinder);
  SetType(c, 3, kNoTrack);
  SetType(c, 4, kHalfPipe);
  FixTrackJunctions(c);
  EXPECT_EQ(TrackTypeOfCode(c.Points[2].TrackCode), kCylinder);
  EXPECT_EQ(TrackTypeOfCode(c.Points[4].TrackCode), kHalfPipe);
}

TEST(FixTrackJunctions, ANormalisedPointCountsAsNormalForItsSuccessor) {
  Course c = NewCourse();
  SetType(c, 1, kTunnel);
  SetType(c, 2, kPipe);      // becomes Normal
  SetType(c, 3, kCylinder);  // then follows a Normal point and stays
  SetType(c, 4, kTunnel);    // after a Cylinder: becomes Normal
  FixTrackJunctions(c);
  EXPECT_EQ(c.Points[2].TrackCode, 2);
  EXPECT_EQ(TrackTypeOfCode(c.Points[3].TrackCode), kCylinder);
  EXPECT_EQ(c.Points[4].TrackCode, 2);
}

TEST(FixTrackJunctions, ClosingJunctionChangesPointOneAgainstTheLastPointsOldType) {
  Course c = NewCourse();
  SetType(c, 4, kPipe);
  SetType(c, 1, kTunnel);  // Pipe (point 4) -> Tunnel (point 1)
  FixTrackJunctions(c);
  EXPECT_EQ(c.Points[1].TrackCode, 2);
  EXPECT_EQ(TrackTypeOfCode(c.Points[4].TrackCode), kPipe);

  // Point 1 is settled first, so point 2 then meets a Normal point.
  Course d = NewCourse();
  SetType(d, 4, kPipe);
  SetType(d, 1, kTunnel);
  SetType(d, 2, kTunnel);
  SetType(d, 3, kTunnel);
  SetType(d, 4, kPipe);
  FixTrackJunctions(d);
  EXPECT_EQ(d.Points[1].TrackCode, 2);
  EXPECT_EQ(TrackTypeOfCode(d.Points[2].TrackCode), kTunnel);
  EXPECT_EQ(d.Points[4].TrackCode, 2);  // Tunnel (3) -> Pipe (4)
}

}  // namespace
}  // namespace kurvex
