#include "geometry/spline.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "geometry/bezier.h"

namespace kurvex {
namespace {

// A closed ring whose first three spans run along the x axis in unit steps.
std::vector<Vec3> StraightRunRing() {
  return {{0, 0, 0}, {1, 0, 0}, {2, 0, 0}, {3, 0, 0}, {3, 0, 3}, {0, 0, 3}};
}

TEST(BezierCurve, StraightRunOfEvenlySpacedPointsAdvancesUniformly) {
  const std::vector<Vec3> ring = StraightRunRing();
  std::vector<Vec3> dense;
  ASSERT_EQ(BezierSpline(ring.data(), 6, 50, dense), 0);
  ASSERT_EQ(dense.size(), 300u);
  // Span 2 runs from (1,0,0) to (2,0,0): its handles lie on the line a third of the way in.
  for (int j = 0; j < 50; ++j) {
    const Vec3& s = dense[50 + j];
    EXPECT_NEAR(s.x, 1 + j / 50.0, 1e-12);
    EXPECT_EQ(s.y, 0);
    EXPECT_EQ(s.z, 0);
  }
}

TEST(BezierCurve, ParameterAdvancesByRepeatedAddition) {
  const Vec3 q[4] = {{0, 0, 0}, {1, 2, 0}, {3, 2, 1}, {4, 0, 1}};
  Vec3 out[7];
  EvaluateBezierSegment(q, 4, 0, 7, out, 0);
  EXPECT_EQ(out[0], q[0]);
  // Six additions of 1/7 differ from 6/7 in the last bit; the sample follows the sum.
  const double summed = 1.0 / 7 + 1.0 / 7 + 1.0 / 7 + 1.0 / 7 + 1.0 / 7 + 1.0 / 7;
  ASSERT_NE(summed, 6.0 / 7);
  const double s = summed;
  const double a0 = 0 + (1 - 0) * s, a1 = 1 + (3 - 1) * s, a2 = 3 + (4 - 3) * s;
  const double b0 = a0 + (a1 - a0) * s, b1 = a1 + (a2 - a1) * s;
  EXPECT_EQ(out[6].x, b0 + (b1 - b0) * s);
}

TEST(BezierCurve, FewerThanThreePointsAreRefusedAndOutputUntouched) {
  const Vec3 two[2] = {{0, 0, 0}, {1, 0, 0}};
  std::vector<Vec3> out(3, Vec3{7, 7, 7});
  EXPECT_EQ(BezierSpline(two, 2, 50, out), -1);
  ASSERT_EQ(out.size(), 3u);
  EXPECT_EQ(out[0], (Vec3{7, 7, 7}));
}

TEST(BezierCurve, CoincidentNeighboursGiveZeroHandlesNotNaN) {
  // Point 2's predecessor and successor are the same place.
  const Vec3 ring[4] = {{0, 0, 0}, {1, 0, 0}, {0, 0, 0}, {0, 0, -1}};
  std::vector<Vec3> dense;
  ASSERT_EQ(BezierSpline(ring, 4, 10, dense), 0);
  for (const Vec3& s : dense) {
    ASSERT_TRUE(std::isfinite(s.x) && std::isfinite(s.y) && std::isfinite(s.z));
  }
  // With a zero handle at point 2 the span from it to point 3 starts straight back along x.
  EXPECT_EQ(dense[10], ring[1]);
  EXPECT_EQ(dense[11].y, 0);
  EXPECT_NEAR(dense[11].z, 0, 1e-2);
  EXPECT_LT(dense[11].x, 1);
}

SplineCurve BuiltCurve(double param) {
  const std::vector<Vec3> ring = StraightRunRing();
  SplineCurve curve;
  SetSplineParams(curve, 50, SplineCurve::kByDistance, param);
  EXPECT_EQ(BuildSpline(ring.data(), 6, curve), 0);
  return curve;
}

TEST(SplineSpans, EverySpanHoldsStepsPlusOneSamplesSharingTheJoints) {
  SplineCurve curve = BuiltCurve(0.25);
  ASSERT_EQ(curve.PointCount, 6);
  ASSERT_EQ(curve.DenseCount(), 300);
  for (int i = 1; i <= 6; ++i) {
    ASSERT_EQ(curve.Span(i).Count(), 51);
    const int next = i == 6 ? 1 : i + 1;
    EXPECT_EQ(curve.Span(i).Samples.back(), curve.Span(next).Samples.front());
  }
  EXPECT_EQ(curve.Span(6).Samples.back(), curve.Dense[0]);
}

TEST(SplineSpans, MeasuredCumulativeLengthEndsAtTheLength) {
  SplineCurve curve = BuiltCurve(0.25);
  for (int i = 1; i <= 6; ++i) {
    MeasureSegment(curve, i);
    const CurveSegment& span = curve.Span(i);
    ASSERT_EQ(span.Cum.size(), 51u);
    EXPECT_EQ(span.Cum[0], 0);
    for (size_t k = 1; k < span.Cum.size(); ++k) EXPECT_GE(span.Cum[k], span.Cum[k - 1]);
    EXPECT_EQ(span.Cum.back(), span.Length);
  }
  EXPECT_NEAR(curve.Span(2).Length, 1, 1e-12);
}

// A single measured straight span of the given length along x, 51 samples.
SplineCurve StraightSpan(double length, uint8_t mode, double param) {
  SplineCurve curve;
  SetSplineParams(curve, 50, mode, param);
  curve.PointCount = 1;
  curve.Segments.resize(1);
  CurveSegment& span = curve.Span(1);
  for (int k = 0; k <= 50; ++k) span.Samples.push_back({length * k / 50, 0, 0});
  RemeasureSegment(span);
  return curve;
}

TEST(SplineResampling, IntervalCountIsTheCeilingOfLengthOverSpacing) {
  SplineCurve exact = StraightSpan(1.0, SplineCurve::kByDistance, 0.25);
  ResampleSegment(exact, 1);
  EXPECT_EQ(exact.Span(1).Count(), 5);  // 4 intervals, no extra one
  SplineCurve excess = StraightSpan(1.0, SplineCurve::kByDistance, 0.2499999);
  ResampleSegment(excess, 1);
  EXPECT_EQ(excess.Span(1).Count(), 6);
  SplineCurve short_span = StraightSpan(0.1, SplineCurve::kByDistance, 0.25);
  ResampleSegment(short_span, 1);
  EXPECT_EQ(short_span.Span(1).Count(), 2);
}

TEST(SplineResampling, ByCountGivesFloorOfParamPlusOneSamplesWhateverTheLength) {
  for (double length : {0.01, 1.0, 40.0}) {
    SplineCurve curve = StraightSpan(length, SplineCurve::kByCount, 7.9);
    ResampleSegment(curve, 1);
    EXPECT_EQ(curve.Span(1).Count(), 8);
  }
  SplineCurve none = StraightSpan(1.0, SplineCurve::kByCount, 0);
  ResampleSegment(none, 1);
  EXPECT_EQ(none.Span(1).Count(), 2);
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

TEST(SplineResampling, ZeroLengthSpanBecomesTwoSamplesOnThePoint) {
  SplineCurve curve = StraightSpan(0, SplineCurve::kByDistance, 0.25);
  ResampleSegment(curve, 1);
  ASSERT_EQ(curve.Span(1).Count(), 2);
  EXPECT_EQ(curve.Span(1).Samples[0], (Vec3{0, 0, 0}));
  EXPECT_EQ(curve.Span(1).Samples[1], (Vec3{0, 0, 0}));
}

TEST(SplineResampling, NonFiniteAndHugeLengthsStayBounded) {
  SplineCurve nan_span = StraightSpan(1.0, SplineCurve::kByDistance, 0.25);
  nan_span.Span(1).Length = NAN;
  ResampleSegment(nan_span, 1);
  EXPECT_EQ(nan_span.Span(1).Count(), 2);
  SplineCurve huge = StraightSpan(1e30, SplineCurve::kByDistance, 0.01);
  ResampleSegment(huge, 1);
  EXPECT_EQ(huge.Span(1).Count(), kMaxSpanIntervals + 1);
}

}  // namespace
}  // namespace kurvex
