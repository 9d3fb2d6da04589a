#include "geometry/spline.h"

#include <cmath>

#include "geometry/bezier.h"

namespace kurvex {

void SetSplineParams(SplineCurve& curve, int steps, uint8_t mode, double param) {
  curve.Steps = steps;
  curve.Mode = mode;
  curve.Param = param;
}

int32_t BuildSpline(const Vec3* points, int n, SplineCurve& curve) {
  if (BezierSpline(points, n, curve.Steps, curve.Dense) != 0) return -1;
  curve.PointCount = n;
  curve.Segments.resize(static_cast<size_t>(n));
  const int dense_count = curve.DenseCount();
  for (int i = 1; i <= n; ++i) {
    CurveSegment& segment = curve.Span(i);
    segment.Samples.resize(static_cast<size_t>(curve.Steps) + 1);
    const int first = (i - 1) * curve.Steps;
    for (int j = 0; j <= curve.Steps; ++j) {
      int k = first + j;
      if (k >= dense_count) k -= dense_count;  // the last span ends on the first sample
      segment.Samples[static_cast<size_t>(j)] = curve.Dense[static_cast<size_t>(k)];
    }
  }
  return 0;
}

void MeasureSegment(SplineCurve& curve, int i) {
  CurveSegment& segment = curve.Span(i);
  const int first = (i - 1) * curve.Steps;
  const int dense_count = curve.DenseCount();
  segment.Cum.resize(static_cast<size_t>(curve.Steps) + 1);
  segment.Cum[0] = 0;
  segment.Length = 0;
  for (int j = 1; j <= curve.Steps; ++j) {
    int k = first + j;
    if (k >= dense_count) k -= dense_count;
    segment.Length += Distance(curve.Dense[static_cast<size_t>(first + j - 1)],
                               curve.Dense[static_cast<size_t>(k)]);
    segment.Cum[static_cast<size_t>(j)] = segment.Length;
  }
}

namespace {

int IntervalCount(const SplineCurve& curve, double length) {
  double count;
  if (curve.Mode == SplineCurve::kByDistance) {
    const double q = length / curve.Param;
    count = std::floor(q);
    if (q - count > 0) count += 1;
  } else {
    count = std::floor(curve.Param);
  }
  // NaN, zero and negative counts all give one interval; huge ones are capped.
  if (!(count >= 1)) return 1;
  if (count > kMaxSpanIntervals) return kMaxSpanIntervals;
  return static_cast<int>(count);
}

}  // namespace

void ResampleSegment(SplineCurve& curve, int i) {
  CurveSegment& segment = curve.Span(i);
  const int count = segment.Count();
  if (count < 2 || static_cast<int>(segment.Cum.size()) != count) return;
  const int m = IntervalCount(curve, segment.Length);
  const double h = segment.Length / m;
  std::vector<Vec3>& fresh = curve.Scratch;
  fresh.resize(static_cast<size_t>(m) + 1);
  const std::vector<double>& cum = segment.Cum;
  const std::vector<Vec3>& old = segment.Samples;
  for (int k = 0; k <= m; ++k) {
    const double d = h * k;
    int j = count - 2;  // the bracket [j, j + 1], searched down from the end
    while (j > 0 && cum[static_cast<size_t>(j)] > d) --j;
    const double delta = cum[static_cast<size_t>(j) + 1] - cum[static_cast<size_t>(j)];
    const double f = delta > 0 ? (d - cum[static_cast<size_t>(j)]) / delta : 0;
    fresh[static_cast<size_t>(k)] =
        Lerp(old[static_cast<size_t>(j)], old[static_cast<size_t>(j) + 1], f);
  }
  segment.Samples.swap(fresh);
}

void RemeasureSegment(CurveSegment& segment) {
  const size_t count = segment.Samples.size();
  segment.Cum.resize(count);
  segment.Length = 0;
  if (count == 0) return;
  segment.Cum[0] = 0;
  for (size_t k = 1; k < count; ++k) {
    segment.Length += Distance(segment.Samples[k - 1], segment.Samples[k]);
    segment.Cum[k] = segment.Length;
  }
}

}  // namespace kurvex
