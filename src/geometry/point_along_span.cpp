#include "geometry/point_along_span.h"

namespace kurvex {

SpanPoint PointAlongSpan(const CurveSegment& segment, double value, SpanMeasure mode) {
  SpanPoint result;
  const int count = segment.Count();
  if (count == 0) return result;
  if (count < 2 || static_cast<int>(segment.Cum.size()) != count) {
    result.point = segment.Samples[0];
    result.lower = result.upper = 0;
    return result;
  }
  const double length = segment.Length;
  double d;
  switch (mode) {
    case kFromStart:
      d = value < length / 2 ? value : length / 2;
      break;
    case kFromEnd:
      d = length - value > length / 2 ? length - value : length / 2;
      break;
    default:
      d = value * length;
      break;
  }
  if (d > length) d = length;
  if (d < 0) d = 0;

  int j = 1;
  while (j < count - 1 && !(d <= segment.Cum[static_cast<size_t>(j)])) ++j;
  const int k = j - 1;
  const double span = segment.Cum[static_cast<size_t>(j)] - segment.Cum[static_cast<size_t>(k)];
  // Coincident samples bracket nothing; the point is then the lower one.
  const double f = span > 0 ? (d - segment.Cum[static_cast<size_t>(k)]) / span : 0;
  result.point =
      Lerp(segment.Samples[static_cast<size_t>(k)], segment.Samples[static_cast<size_t>(j)], f);
  result.lower = k;
  result.upper = j;
  result.distance = d;
  return result;
}

Vec3 CentrePointAtFraction(const PreparedCourse& prepared, int i, double fraction) {
  if (i < 1 || i > prepared.CentreCurve.PointCount) return {};
  return PointAlongSpan(prepared.CentreCurve.Span(i), fraction, kFraction).point;
}

}  // namespace kurvex
