#include "geometry/spline.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "geometry/bezier.h"

namespace kurvex {
namespace {

// A closed ring whose first three spans run along the x axis in unit steps.
const std::vector<Vec3> kStraightRunRing = {{0, 0, 0}, {1, 0, 0}, {2, 0, 0},
                                            {3, 0, 0}, {3, 0, 3}, {0, 0, 3}};

TEST(BezierCurve, StraightRunOfEvenlySpacedPointsAdvancesUniformly) {
  std::vector<Vec3> dense;
  ASSERT_EQ(BezierSpline(kStraightRunRing.data(), 6, 50, dense), 0);
  ASSERT_EQ(dense.size(), 300u);
  // Span 2 runs from (1,0,0) to (2,0,0): its handles lie on the line a third of the way in.
  for (int j = 0; j < 50; ++j) {
    EXPECT_NEAR(dense[50 + j].x, 1 + j / 50.0, 1e-12);
    EXPECT_EQ(dense[50 + j].y, 0);
    EXPECT_EQ(dense[50 + j].z, 0);
  }
}

TEST(BezierCurve, ParameterAdvancesByRepeatedAddition) {
  const Vec3 q[4] = {{0, 0, 0}, {1, 2, 0}, {3, 2, 1}, {4, 0, 1}};
  Vec3 out[7];
  EvaluateBezierSegment(q, 4, 0, 7, out, 0);
  EXPECT_EQ(out[0], q[0]);
  // Six additions of 1/7 differ from 6/7 in the last bit; the sample follows the sum.
  const double s = 1.0 / 7 + 1.0 / 7 + 1.0 / 7 + 1.0 / 7 + 1.0 / 7 + 1.0 / 7;
  ASSERT_NE(s, 6.0 / 7);
  const double a0 = s, a1 = 1 + 2 * s, a2 = 3 + s;
  const double b0 = a0 + (a1 - a0) * s, b1 = a1 + (a2 - a1) * s;
  EXPECT_EQ(out[6].x, b0 + (b1 - b0) * s);
}

TEST(BezierCurve, FewPointsAreRefusedAndCoincidentNeighboursGiveZeroHandles) {
  std::vector<Vec3> dense(3, Vec3{7, 7, 7});
  EXPECT_EQ(BezierSpline(kStraightRunRing.data(), 2, 50, dense), -1);
  ASSERT_EQ(dense.size(), 3u);
  EXPECT_EQ(dense[0], (Vec3{7, 7, 7}));
  // Point 2's predecessor and successor are the same place.
  const Vec3 ring[4] = {{0, 0, 0}, {1, 0, 0}, {0, 0, 0}, {0, 0, -1}};
  ASSERT_EQ(BezierSpline(ring, 4, 10, dense), 0);
  for (const Vec3& s : dense) ASSERT_TRUE(std::isfinite(s.x + s.y + s.z));
  // With a zero handle at point 2 the span from it to point 3 starts straight back along x.
  EXPECT_EQ(dense[10], ring[1]);
  EXPECT_EQ(dense[11].y, 0);
  EXPECT_NEAR(dense[11].z, 0, 1e-2);
  EXPECT_LT(dense[11].x, 1);
}

SplineCurve BuiltCurve(double param) {
  SplineCurve curve;
  SetSplineParams(curve, 50, SplineCurve::kByDistance, param);
  EXPECT_EQ(BuildSpline(kStraightRunRing.data(), 6, curve), 0);
  return curve;
}

TEST(SplineSpans, SpansShareTheirJointsAndMeasureUpToTheirLength) {
  SplineCurve curve = BuiltCurve(0.25);
  ASSERT_EQ(curve.PointCount, 6);
  ASSERT_EQ(curve.DenseCount(), 300);
  for (int i = 1; i <= 6; ++i) {
    ASSERT_EQ(curve.Span(i).Count(), 51);
    EXPECT_EQ(curve.Span(i).Samples.back(), curve.Span(i == 6 ? 1 : i + 1).Samples.front());
    MeasureSegment(curve, i);
    const CurveSegment& span = curve.Span(i);
    ASSERT_EQ(span.Cum.size(), 51u);
    EXPECT_EQ(span.Cum[0], 0);
    for (size_t k = 1; k < span.Cum.size(); ++k) EXPECT_GE(span.Cum[k], span.Cum[k - 1]);
    EXPECT_EQ(span.Cum.back(), span.Length);
  }
  EXPECT_EQ(curve.Span(6).Samples.back(), curve.Dense[0]);
  EXPECT_NEAR(curve.Span(2).Length, 1, 1e-12);
}

TEST(SplineResampling, SampleCountFollowsModeLengthAndLimits) {
  // A measured straight span along x of 51 samples, resampled.
  struct Case {
    double length;
    uint8_t mode;
    double param;
    int count;
  } cases[] = {
      {1.0, SplineCurve::kByDistance, 0.25, 5},  // 4 intervals exactly, no extra one
      {1.0, SplineCurve::kByDistance, 0.2499999, 6},
      {0.1, SplineCurve::kByDistance, 0.25, 2},
      {0, SplineCurve::kByDistance, 0.25, 2},  // two samples on the point
      {NAN, SplineCurve::kByDistance, 0.25, 2},
      {1e30, SplineCurve::kByDistance, 0.01, kMaxSpanIntervals + 1},
      {0.01, SplineCurve::kByCount, 7.9, 8},  // floor of the parameter, whatever the length
      {40.0, SplineCurve::kByCount, 7.9, 8},
      {1.0, SplineCurve::kByCount, 0, 2},
  };
  for (const Case& c : cases) {
    SplineCurve curve;
    SetSplineParams(curve, 50, c.mode, c.param);
    curve.PointCount = 1;
    curve.Segments.resize(1);
    CurveSegment& span = curve.Span(1);
    for (int k = 0; k <= 50; ++k) span.Samples.push_back({c.length * k / 50, 0, 0});
    RemeasureSegment(span);
    ResampleSegment(curve, 1);
    EXPECT_EQ(span.Count(), c.count) << c.length << " " << c.param;
    if (c.length == 0) EXPECT_EQ(span.Samples[1], (Vec3{0, 0, 0}));
  }
}

TEST(SplineResampling, SamplesAreEvenlySpacedFromStartToEnd) {
  SplineCurve curve = BuiltCurve(0.07);
  for (int i = 1; i <= 6; ++i) {
    MeasureSegment(curve, i);
    const CurveSegment before = curve.Span(i);
    ResampleSegment(curve, i);
    CurveSegment& span = curve.Span(i);
    // Length and Cum still describe the old samples until re-measured.
    EXPECT_EQ(span.Length, before.Length);
    const int m = span.Count() - 1;
    EXPECT_EQ(m, static_cast<int>(std::ceil(before.Length / 0.07)));
    EXPECT_EQ(span.Samples.front(), before.Samples.front());
    EXPECT_NEAR(Distance(span.Samples.back(), before.Samples.back()), 0, 1e-12);
    for (int k = 1; k <= m; ++k) {
      EXPECT_LE(Distance(span.Samples[k - 1], span.Samples[k]), 0.07 + 1e-12);
    }
    RemeasureSegment(span);
    EXPECT_EQ(span.Cum.back(), span.Length);
    EXPECT_LE(span.Length, before.Length + 1e-12);
  }
}

}  // namespace
}  // namespace kurvex
