#include <gtest/gtest.h>

#include <cmath>

#include "geometry/cgl_geometry.h"
#include "geometry/geometry_result.h"
#include "geometry/point_along_span.h"
#include "geometry/prepared_course.h"
#include "test_courses.h"
#include "geometry_test_util.h"

namespace kurvex {
using test::FullFeatureCourse;
using test::RingCourse;

namespace {

TEST(EdgePoints, FlatCourseEdgesLieAtTheWidthsPerpendicularToTheNeighbourChord) {
  Course course = RingCourse(8, 10000);
  course.Points[3].RightWidth = 400;
  course.Points[3].LeftWidth = 120;
  const PreparedCourse prepared = Prepare(course);
  for (int i = 1; i <= 8; ++i) {
    const Vec3 p = CtlPosition(course, i);
    const Vec3 chord = CtlPosition(course, i % 8 + 1) - CtlPosition(course, (i + 6) % 8 + 1);
    const Vec3 right = prepared.RightEdgePoints[i] - p;
    EXPECT_NEAR(Length(right), course.Points[i].RightWidth / 1000.0, 1e-12);
    EXPECT_NEAR(Distance(prepared.LeftEdgePoints[i], p), course.Points[i].LeftWidth / 1000.0,
                1e-12);
    EXPECT_EQ(right.y, 0);
    // Travel along (cos a, 0, sin a) has its right side toward (-sin a, 0, cos a), square to it.
    EXPECT_NEAR(-chord.z * right.x + chord.x * right.z, Length(chord) * Length(right), 1e-12);
  }
}

TEST(EdgePoints, Banking90PutsTheRightEdgeStraightBelow) {
  Course course = RingCourse(6, 8000);
  course.Banking[2] = 90;
  course.Banking[4] = 270;
  const PreparedCourse prepared = Prepare(course);
  EXPECT_VEC_NEAR(prepared.RightEdgePoints[2] - CtlPosition(course, 2), (Vec3{0, -0.26, 0}), 1e-12);
  EXPECT_NEAR((prepared.LeftEdgePoints[2] - CtlPosition(course, 2)).y, 0.26, 1e-12);
  EXPECT_NEAR((prepared.RightEdgePoints[4] - CtlPosition(course, 4)).y, 0.26, 1e-12);
}

TEST(EdgePoints, PointAboveItsNeighboursTakesItsSideFromTheBankingAlone) {
  // Point 2 sits above the common x-z position of points 1 and 3, midway in height.
  Course course = RingCourse(4, 5000);
  course.Points[1] = course.Points[2] = course.Points[3];
  course.Points[1].Y = -1000;
  course.Points[3].Y = 1000;
  course.Banking[2] = 90;
  const PreparedCourse prepared = Prepare(course);
  // u = (0, 0, -1000) turned by -90 degrees in x-z.
  const Vec3 right = prepared.RightEdgePoints[2] - CtlPosition(course, 2);
  EXPECT_NEAR(right.x, -0.26, 1e-9);
  EXPECT_NEAR(right.z, 0, 1e-9);
}

TEST(EdgePoints, CoincidentNeighboursGiveFiniteEdgesAndHeadingFromTheBanking) {
  Course course = RingCourse(4, 5000);
  course.Points[3] = course.Points[1];  // points 2 and 4 have coincident neighbours
  course.Banking[4] = 30;
  const PreparedCourse prepared = Prepare(course);
  for (int i = 1; i <= 4; ++i) {
    EXPECT_NEAR(Distance(prepared.RightEdgePoints[i], CtlPosition(course, i)), 0.26, 1e-12) << i;
    for (const Vec3& s : prepared.MidCurve.Span(i).Samples) ASSERT_TRUE(std::isfinite(s.x));
  }
  // With no banking the fallback side is +z.
  EXPECT_NEAR((prepared.RightEdgePoints[2] - CtlPosition(course, 2)).z, 0.26, 1e-12);
  EXPECT_EQ(prepared.PointFrames[4].Heading, -60);
}

TEST(PreparedCurves, EverySpanHasOneSampleCountOnAllFourCurves) {
  const Course course = FullFeatureCourse();
  const PreparedCourse prepared = Prepare(course, 0.1);
  const SplineCurve* curves[] = {&prepared.CentreCurve, &prepared.RightEdgeCurve,
                                 &prepared.LeftEdgeCurve, &prepared.MidCurve};
  for (int i = 1; i <= 64; ++i) {
    const int count = prepared.CentreCurve.Span(i).Count();
    EXPECT_GE(count, 2);
    for (const SplineCurve* curve : curves) {
      const CurveSegment& span = curve->Span(i);
      ASSERT_EQ(span.Count(), count);
      ASSERT_EQ(span.Cum.size(), static_cast<size_t>(count));
      EXPECT_EQ(span.Cum.front(), 0);
      for (int k = 1; k < count; ++k) EXPECT_GE(span.Cum[k], span.Cum[k - 1]);
      EXPECT_EQ(span.Cum.back(), span.Length);
      const CurveSegment& next = curve->Span(i == 64 ? 1 : i + 1);
      EXPECT_LT(Distance(span.Samples.back(), next.Samples.front()), 1e-9);
    }
    EXPECT_EQ(prepared.CentreCurve.Span(i).Samples[0], CtlPosition(course, i));
    EXPECT_EQ(prepared.RightEdgeCurve.Span(i).Samples[0], prepared.RightEdgePoints[i]);
    EXPECT_EQ(prepared.LeftEdgeCurve.Span(i).Samples[0], prepared.LeftEdgePoints[i]);
  }
}

TEST(PreparedCurves, SegmentDistanceLongerThanASpanGivesTwoSamples) {
  const Course course = RingCourse(5, 3000);
  const PreparedCourse prepared = Prepare(course, 50);
  for (int i = 1; i <= 5; ++i) {
    for (const SplineCurve* curve : {&prepared.CentreCurve, &prepared.MidCurve,
                                     &prepared.RightEdgeCurve, &prepared.LeftEdgeCurve}) {
      EXPECT_EQ(curve->Span(i).Count(), 2);
    }
  }
}

TEST(PreparedCurves, EqualWidthsMakeTheMidCurveTheCentreCurve) {
  const Course course = RingCourse(7, 9000, 300);
  const PreparedCourse prepared = Prepare(course);
  for (int i = 1; i <= 7; ++i) {
    const CurveSegment& mid = prepared.MidCurve.Span(i);
    const CurveSegment& centre = prepared.CentreCurve.Span(i);
    for (int k = 0; k < mid.Count(); ++k) {
      EXPECT_LT(Distance(mid.Samples[k], centre.Samples[k]), 1e-11);
    }
    EXPECT_NEAR(prepared.SegmentLength[i], centre.Length, 1e-12);
  }
}

TEST(PreparedCurves, EdgeSamplesGrowLinearlyFromOneWidthToTheNext) {
  Course course = RingCourse(6, 9000);
  course.Points[2].RightWidth = 100;
  course.Points[3].RightWidth = 900;
  const PreparedCourse prepared = Prepare(course, 0.05);
  const CurveSegment& centre = prepared.CentreCurve.Span(2);
  const int n = centre.Count() - 1;
  for (int k = 1; k < n; ++k) {
    EXPECT_NEAR(Distance(centre.Samples[k], prepared.RightEdgeCurve.Span(2).Samples[k]),
                0.1 + 0.8 * k / n, 1e-12);
  }
}

TEST(PreparedCurves, EdgeSampleOnTheCentreTakesTheOppositeSide) {
  const Course course = RingCourse(6, 9000);
  PreparedCourse prepared = Prepare(course);
  CurveSegment& right = prepared.RightEdgeCurve.Span(1);
  const CurveSegment& left = prepared.LeftEdgeCurve.Span(1);
  const Vec3 centre = prepared.CentreCurve.Span(1).Samples[2];
  right.Samples[2] = centre;
  BlendEdgeWidths(course, prepared);
  const Vec3 d = right.Samples[2] - centre;
  const Vec3 away = centre - left.Samples[2];
  EXPECT_NEAR(Length(d), 0.26, 1e-12);
  EXPECT_NEAR(d.x * away.x + d.y * away.y + d.z * away.z, 0.26 * Length(away), 1e-12);
}

TEST(PreparedMeasures, LengthsFramesAndChords) {
  Course course = RingCourse(4, 5000);
  course.Points[2].LeftWidth = course.Points[2].RightWidth = 60;
  const PreparedCourse prepared = Prepare(course);
  double total = 0;
  for (int i = 1; i <= 4; ++i) {
    total += prepared.SegmentLength[i];
    EXPECT_NEAR(prepared.ChordLength[i], 5000 * std::sqrt(2.0), 1e-3);  // course units
    EXPECT_GE(prepared.PointFrames[i].HalfWidth, 0.1);
  }
  EXPECT_EQ(prepared.CourseLength, total);
  EXPECT_EQ(prepared.PointFrames[2].HalfWidth, 0.1);
  EXPECT_EQ(prepared.PointFrames[1].HalfWidth, 0.26);
  // Point 1 (5000, 0, 0) travels toward +z: yaw turns the model's x (right) onto -x.
  EXPECT_NEAR(prepared.PointFrames[1].Yaw, -180, 1e-9);
  EXPECT_NEAR(std::remainder(prepared.PointFrames[1].Pitch, 360), 0, 1e-9);
  EXPECT_NEAR(prepared.PointFrames[1].Roll, 0, 1e-9);
  EXPECT_NEAR(prepared.PointFrames[1].Heading, -180, 1e-9);
}

TEST(PreparedMeasures, BadInputIsRefusedOrClampedAndFarOutCoordinatesStayBounded) {
  PreparedCourse prepared = Prepare(RingCourse(5, 4000));
  Course three = RingCourse(3, 4000);
  EXPECT_EQ(PrepareCourse(three, 0.25, prepared), kGeometryBadPointCount);
  EXPECT_EQ(prepared.PointCount(), 0);
  EXPECT_FALSE(IsPreparedFor(prepared, three));
  EXPECT_NE(GeometryResultText(kGeometryBadPointCount), GeometryResultText(kGeometryOk));

  const Course course = RingCourse(5, 4000);
  EXPECT_EQ(PrepareCourse(course, 0.0001, prepared), kGeometryOk);
  EXPECT_EQ(prepared.SegmentDistance, kMinSegmentDistance);
  EXPECT_TRUE(IsPreparedFor(prepared, course));
  EXPECT_EQ(PrepareCourse(course, NAN, prepared), kGeometryOk);
  EXPECT_EQ(prepared.SegmentDistance, kMinSegmentDistance);

  Course far_out = RingCourse(4, 5000);
  far_out.Points[2].X = 3.0e37f;
  ASSERT_EQ(PrepareCourse(far_out, 0.01, prepared), kGeometryOk);
  for (int i = 1; i <= 4; ++i) {
    EXPECT_LE(prepared.CentreCurve.Span(i).Count(), kMaxSpanIntervals + 1);
  }
}

TEST(SpanPoints, DistancesFractionsAndTheirLimits) {
  const Course course = RingCourse(4, 5000);
  const PreparedCourse prepared = Prepare(course, 0.1);
  const CurveSegment& span = prepared.CentreCurve.Span(1);
  const double length = span.Length;

  const SpanPoint start = PointAlongSpan(span, 0, kFraction);
  EXPECT_EQ(start.point, span.Samples[0]);
  EXPECT_EQ(start.lower, 0);
  EXPECT_EQ(start.upper, 1);
  EXPECT_EQ(PointAlongSpan(span, 1, kFraction).upper, span.Count() - 1);
  EXPECT_LT(Distance(PointAlongSpan(span, 1, kFraction).point, span.Samples.back()), 1e-12);

  EXPECT_EQ(PointAlongSpan(span, 0.3, kFromStart).distance, 0.3);
  EXPECT_EQ(PointAlongSpan(span, 100, kFromStart).distance, length / 2);
  EXPECT_EQ(PointAlongSpan(span, 0.05, kFromEnd).distance, length - 0.05);
  EXPECT_EQ(PointAlongSpan(span, 100, kFromEnd).distance, length / 2);
  EXPECT_EQ(PointAlongSpan(span, -2, kFraction).distance, 0);
  EXPECT_EQ(PointAlongSpan(span, 2, kFraction).distance, length);

  const SpanPoint third = PointAlongSpan(span, 1.0 / 3, kFraction);
  EXPECT_LE(span.Cum[third.lower], third.distance);
  EXPECT_GE(span.Cum[third.upper], third.distance);
  EXPECT_EQ(CentrePointAtFraction(prepared, 1, 0), CtlPosition(course, 1));
}

TEST(SpanPoints, ZeroLengthSpanGivesItsPointNotNaN) {
  CurveSegment span;
  span.Samples = {{1, 2, 3}, {1, 2, 3}};
  RemeasureSegment(span);
  for (SpanMeasure mode : {kFromStart, kFromEnd, kFraction}) {
    EXPECT_EQ(PointAlongSpan(span, 0.5, mode).point, (Vec3{1, 2, 3}));
  }
}

}  // namespace
}  // namespace kurvex
