#include "editing/course_transforms.h"

#include <gtest/gtest.h>

#include "course/course_compare.h"
#include "course/number_text.h"
#include "editing/edit_result.h"
#include "course/track_type.h"
#include "test_courses.h"

namespace kurvex {
namespace {

using test::RingCourse;

TEST(Extremes, BoxRules) {
  Extremes e;
  SetExtreme(e, kAxisZ, false, -2500);
  EXPECT_EQ(FormatFixed(e.min[kAxisZ] / 10, 3), "-2000.000");
  SetExtreme(e, kAxisY, true, 2000);
  EXPECT_EQ(e.max[kAxisY], 12000);
  SetExtreme(e, kAxisY, false, -1);
  EXPECT_EQ(e.min[kAxisY], 0);
  SetExtreme(e, kAxisX, true, -1600);  // below the minimum: flattened onto it
  EXPECT_EQ(e.max[kAxisX], -15000);
  Course c = RingCourse(4);
  RePosition(c, e);
  for (int i = 1; i <= 4; ++i) EXPECT_EQ(c.Points[i].X, -15000.0f);
}

TEST(Extremes, ReExtremeWidensWithinTheHardLimits) {
  Course c = RingCourse(4, 18000);
  c.Points[2].Y = 13000;
  Extremes e;
  ReExtreme(c, e);
  EXPECT_EQ(e.max[kAxisX], 18000);
  EXPECT_EQ(e.min[kAxisZ], -18000);
  EXPECT_EQ(e.max[kAxisY], 12000);
  EXPECT_EQ(c.Points[2].Y, 12000.0f);
  EXPECT_EQ(e.min[kAxisX], -18000);
}

TEST(CourseTransforms, CenterTranslateScale) {
  Course c = RingCourse(4);
  for (int i = 1; i <= 4; ++i) c.Points[i].Y = 700 + 100 * i;
  Extremes e;
  TranslateCourse(c, e, 100, 0, -50);
  EXPECT_EQ(c.Points[1].X, 6000.0f);
  EXPECT_EQ(c.Points[1].Z, -500.0f);
  CenterTrack(c, e);
  EXPECT_EQ(c.Points[1].X, 5000.0f);
  EXPECT_EQ(c.Points[2].Z, 5000.0f);
  EXPECT_EQ(c.Points[1].Y, 0.0f);
  EXPECT_EQ(c.Points[4].Y, 300.0f);

  const Course before = c;
  EXPECT_EQ(ScaleCourse(c, e, 0, true), kEditBadFactor);
  EXPECT_EQ(ScaleCourse(c, e, -2, true), kEditBadFactor);
  EXPECT_EQ(c.Points, before.Points);
  EXPECT_EQ(ScaleCourse(c, e, 1.5, true), kEditOk);
  EXPECT_EQ(c.Points[2].Z, 7500.0f);
  EXPECT_EQ(c.Points[2].LeftWidth, 390);
  EXPECT_EQ(ScaleCourse(c, e, 100, false), kEditOk);  // kept inside the hard limits
  EXPECT_EQ(c.Points[2].Z, 20000.0f);
  EXPECT_EQ(c.Points[2].LeftWidth, 390);
}

TEST(CourseTransforms, RotateAboutTheMiddle) {
  Course c = RingCourse(4);
  Extremes e;
  RotateCourse(c, e, 90, 0, 0);
  EXPECT_NEAR(c.Points[1].X, 0, 0.01);  // east turns to north
  EXPECT_NEAR(c.Points[1].Z, -5000, 0.01);
  RotateCourse(c, e, 0, 0, 90);  // skew tips the course on its side
  EXPECT_NEAR(c.Points[1].Y, 0, 0.01);
  EXPECT_GE(c.Points[1].Y, 0.0f);
}

TEST(CourseTransforms, LineUpAcrossTheWrap) {
  Course c = RingCourse(12);
  const Course before = c;
  EXPECT_EQ(LineUp(c, 10, 2, false), kEditOk);
  for (int i : {11, 12, 1}) {
    // On the straight line from point 10 to point 2.
    const double t =
        (c.Points[i].X - before.Points[10].X) / (before.Points[2].X - before.Points[10].X);
    EXPECT_NEAR(c.Points[i].Z, before.Points[10].Z + t * (before.Points[2].Z - before.Points[10].Z),
                0.5);
  }
  for (int i = 2; i <= 10; ++i) EXPECT_EQ(c.Points[i], before.Points[i]);
  EXPECT_EQ(LineUp(c, 4, 4, false), kEditUnchanged);
  EXPECT_EQ(LineUp(c, 4, 5, false), kEditUnchanged);

  Course e = RingCourse(12);
  LineUp(e, 1, 5, true);
  const double step = (e.Points[5].X - e.Points[1].X) / 4;
  EXPECT_NEAR(e.Points[2].X, e.Points[1].X + step, 0.01);
  EXPECT_NEAR(e.Points[3].X, e.Points[1].X + 2 * step, 0.01);
}

}  // namespace
}  // namespace kurvex
