#include "editing/course_stats.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "editing/friendly.h"
#include "course/track_type.h"
#include "course/new_course.h"
#include "test_courses.h"

namespace kurvex {
namespace {

using test::RingCourse;
using test::SetType;

// Every coordinate a whole shown unit, point 1 the finish stretch, no lap marker gate: a ring
// that fits the Expansion Kit.
Course FriendlyRing(int n, float radius = 10000) {
  Course course = RingCourse(n, radius);
  test::RoundCoordinates(course, 10);
  test::SetTrackCode(course, 1, 0);
  return course;
}

bool FitsExpansionKit(const Course& course) {
  PreparedCourse prepared;
  PrepareCourse(course, kDefaultSegmentDistance, prepared);
  return IsEkFriendly(course, prepared);
}

using Feature = std::function<void(Course&, int)>;  // puts the n-th feature on the course

TEST(Stats, NewCourse) {
  const Course course = NewCourse();
  PreparedCourse prepared;
  ASSERT_EQ(PrepareCourse(course, kDefaultSegmentDistance, prepared), 0);
  const CourseStats stats = Stats(course, prepared);
  EXPECT_EQ(stats.points, 4);
  EXPECT_EQ(stats.counts.widgets, 1);  // the lap marker gate of point 2
  EXPECT_TRUE(stats.rom_friendly);
  EXPECT_TRUE(stats.ek_friendly);
  EXPECT_EQ(stats.lap_line, "Segment 1");
  EXPECT_NEAR(stats.course_length * 100, 2 * M_PI * 500, 150);  // a circle of 500 shown units
  // Geometry of another course is replaced by the course's own.
  EXPECT_EQ(Stats(course, PreparedCourse{}).course_length, prepared.CourseLength);
}

TEST(Stats, CountsFeaturesOfPointsInUseOnly) {
  Course course = FriendlyRing(12);
  course.DashPlate[1] = course.DashPlate[12] = 0;
  course.DashPlate[13] = 0;  // beyond PointCount
  course.JumpPlate[3] = course.TrapField[4] = course.TrapField[5] = 2;
  course.Gate[6] = course.Structure[6] = course.Decoration[7] = 1;
  const CourseFeatureCounts counts = CountFeatures(course);
  EXPECT_EQ(counts.dash_plates, 2);
  EXPECT_EQ(counts.jump_plates, 1);
  EXPECT_EQ(counts.trap_fields, 2);
  EXPECT_EQ(counts.widgets, 3);

  for (int i = 1; i <= kMaxPoints + 1; ++i) course.DashPlate[i] = 0;
  course.PointCount = 200;  // never walked past the arrays
  const CourseStats stats = Stats(course, PreparedCourse{});
  EXPECT_EQ(stats.counts.dash_plates, kMaxPoints);
  EXPECT_FALSE(stats.ek_friendly);
  EXPECT_EQ(stats.course_length, 0);
}

TEST(Stats, LapLineEndsTheFirstFinishStretchRun) {
  Course course = FriendlyRing(12);
  course.Points[1].TrackCode = 2;
  for (int i : {5, 6, 9}) course.Points[i].TrackCode = 0;
  EXPECT_EQ(LapLineText(course), "Segment 6");
  course.Points[1].TrackCode = course.Points[2].TrackCode = 0;
  EXPECT_EQ(LapLineText(course), "Segment 2");
  for (int i = 1; i <= 11; ++i) course.Points[i].TrackCode = 2;
  EXPECT_EQ(LapLineText(course), "(Undetermined)");
  course.Points[12].TrackCode = 0;
  EXPECT_EQ(LapLineText(course), "Segment 12");
}

// The limits of both verdicts are inclusive: limit features fit, one more does not.
TEST(FriendlyVerdicts, FeatureCountLimits) {
  const auto rom = [](const Course& c) { return IsRomFriendly(c); };
  const std::vector<std::tuple<const char*, std::function<bool(const Course&)>, Feature, int>>
      cases = {
          {"ROM dash plates", rom, [](Course& c, int i) { c.DashPlate[i] = 0; }, 20},
          {"ROM jump plates", rom, [](Course& c, int i) { c.JumpPlate[i] = 0; }, 4},
          {"ROM trap fields", rom, [](Course& c, int i) { c.TrapField[i] = 0; }, 8},
          {"ROM widgets", rom,
           [](Course& c, int i) {
             PointArray<uint8_t>* widgets[] = {&c.Gate, &c.Structure, &c.Decoration};
             (*widgets[i % 3])[i / 3 + 1] = 0;
           },
           20},
          {"EK dash plates", FitsExpansionKit, [](Course& c, int i) { c.DashPlate[i] = 1; }, 32},
          {"EK jump plates", FitsExpansionKit, [](Course& c, int i) { c.JumpPlate[i] = 1; }, 8},
          {"EK trap fields", FitsExpansionKit, [](Course& c, int i) { c.TrapField[i] = 1; }, 8},
          {"EK structures and decorations", FitsExpansionKit,
           [](Course& c, int i) { (i % 2 ? c.Structure : c.Decoration)[i] = 1; }, 16},
      };
  for (const auto& [what, fits, add, limit] : cases) {
    Course course = FriendlyRing(40, 12000);
    for (int i = 1; i <= limit; ++i) add(course, i);
    EXPECT_TRUE(fits(course)) << what;
    add(course, limit + 1);
    EXPECT_FALSE(fits(course)) << what;
  }
}

TEST(FriendlyVerdicts, CentrePitAreasLengthAndVenue) {
  Course course = FriendlyRing(12);
  course.PitArea[3] = 2;
  EXPECT_TRUE(IsRomFriendly(course));
  course.PitArea[3] = 3;
  EXPECT_FALSE(IsRomFriendly(course));

  course = FriendlyRing(12);
  PreparedCourse prepared;
  PrepareCourse(course, kDefaultSegmentDistance, prepared);
  prepared.CourseLength = 250;
  EXPECT_TRUE(IsEkFriendly(course, prepared));
  prepared.CourseLength = 250.001;
  EXPECT_FALSE(IsEkFriendly(course, prepared));
  course.Venue = 10;  // GP Ending
  EXPECT_FALSE(FitsExpansionKit(course));
}

// Each change on its own turns a fitting course into one that does not fit.
TEST(EkFriendlyVerdict, EveryPointCondition) {
  const std::vector<std::pair<const char*, std::function<void(Course&)>>> cases = {
      {"X beyond 15000", [](Course& c) { c.Points[4].X = 15010; }},
      {"Z below -15000", [](Course& c) { c.Points[1].Z = -15010; }},
      {"Y above 5000", [](Course& c) { c.Points[3].Y = 5010; }},
      {"Y below 0", [](Course& c) { c.Points[3].Y = -10; }},
      {"X not whole", [](Course& c) { c.Points[2].X += 5; }},
      {"Y not whole", [](Course& c) { c.Points[2].Y = 0.5f; }},
      {"width not whole", [](Course& c) { c.Points[5].RightWidth = 261; }},
      {"widths above 2000",
       [](Course& c) { c.Points[5].LeftWidth = c.Points[5].RightWidth = 1010; }},
      {"banking 359", [](Course& c) { c.Banking[6] = 359; }},
      {"pipe with a trap field", [](Course& c) { SetType(c, 7, kPipe), c.TrapField[7] = 0; }},
      {"pipe with a pit area", [](Course& c) { SetType(c, 7, kPipe), c.PitArea[7] = 0; }},
      {"cylinder with a gate", [](Course& c) { SetType(c, 7, kCylinder), c.Gate[7] = 0; }},
      {"half pipe with a decoration",
       [](Course& c) { SetType(c, 7, kHalfPipe), c.Decoration[7] = 0; }},
      {"finish stretch off point 1", [](Course& c) { c.Points[5].TrackCode = 0; }},
      {"point 1 not the finish stretch", [](Course& c) { c.Points[1].TrackCode = 2; }},
      {"zone on narrow track",
       [](Course& c) {
         c.Points[3].LeftWidth = 100, c.Points[3].RightWidth = 90, c.SlipZone[3] = 0;
       }},
      {"zone before narrow track",
       [](Course& c) {
         c.Points[4].LeftWidth = 100, c.Points[4].RightWidth = 90, c.PitArea[3] = 1;
       }},
      {"points closer than 500",
       [](Course& c) { c.Points[6] = c.Points[5], c.Points[6].Z += 490; }},
  };
  for (const auto& [what, change] : cases) {
    Course course = FriendlyRing(12);
    change(course);
    EXPECT_FALSE(FitsExpansionKit(course)) << what;
  }
}

TEST(EkFriendlyVerdict, BoundaryValuesThatStillFit) {
  Course course = FriendlyRing(12);
  course.Points[4].X = 15000;
  course.Points[3].Y = 5000;
  course.Points[5].LeftWidth = course.Points[5].RightWidth = 1000;
  course.Banking[6] = 357;
  SetType(course, 7, kPipe);
  course.DashPlate[7] = course.Structure[7] = 0;  // dash plates and structures stay on tubes
  course.Points[3].LeftWidth = course.Points[3].RightWidth = 100;
  course.Points[4].LeftWidth = course.Points[4].RightWidth = 100;
  course.DartZone[3] = 0;
  course.Points[10] = course.Points[9];
  course.Points[10].Z += 500;
  EXPECT_TRUE(FitsExpansionKit(course));
}

// The verdicts and the two repairs agree: what a repair leaves behind reads as fitting.
TEST(FriendlyVerdict, HoldsAfterTheRepairs) {
  Course course = FriendlyRing(40, 12000);
  course.Venue = 10;
  course.Points[1].TrackCode = 2;
  course.Points[2].X += 3;
  course.Points[3].Y = -50;
  course.Points[4].LeftWidth = course.Points[4].RightWidth = 1500;
  course.Banking[5] = 359;
  SetType(course, 6, kPipe);
  course.TrapField[6] = 0;
  for (int i = 1; i <= 40; ++i) course.DashPlate[i] = course.Gate[i] = 0;
  PreparedCourse prepared;
  PrepareCourse(course, kDefaultSegmentDistance, prepared);
  ASSERT_FALSE(IsEkFriendly(course, prepared));
  ASSERT_FALSE(IsRomFriendly(course));

  Course rom = course;
  RomFriendly(rom);
  EXPECT_TRUE(IsRomFriendly(rom));
  EXPECT_TRUE(EkFriendly(course, kDefaultSegmentDistance, prepared).empty());
  EXPECT_TRUE(IsEkFriendly(course, prepared));
}

TEST(Stats, NineLabelledLinesInFrameOrder) {
  CourseStats stats{12, 62.3456789, {3, 2, 1, 7}, false, true, "Segment 6"};
  const std::vector<std::string> expected = {
      "CTL Points: 12",  "Course Length: 6234.568", "Dash Plates: 3",
      "Jump Plates: 2",  "Trap Fields: 1",          "Widgets: 7",
      "EK Friendly: No", "ROM Friendly: Yes",       "Lap Line: Segment 6",
  };
  EXPECT_EQ(StatsLines(stats), expected);
}

}  // namespace
}  // namespace kurvex
