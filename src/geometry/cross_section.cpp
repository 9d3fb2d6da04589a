#include "geometry/cross_section.h"

#include "geometry/point_along_span.h"

namespace kurvex {

namespace {

const CurveSegment& NextMidSpan(const PreparedCourse& prepared, int i) {
  return prepared.MidCurve.Span(i >= prepared.MidCurve.PointCount ? 1 : i + 1);
}

Vec3 SecondSample(const CurveSegment& segment) {
  return segment.Samples[segment.Count() > 1 ? 1 : 0];
}

}  // namespace

SpanCurves::SpanCurves(const PreparedCourse& prepared, int i)
    : left(prepared.LeftEdgeCurve.Span(i)),
      mid(prepared.MidCurve.Span(i)),
      right(prepared.RightEdgeCurve.Span(i)),
      after_last(SecondSample(NextMidSpan(prepared, i))) {}

CrossSection SampleSection(const SpanCurves& span, int k, double factor, const TexOffset& offset) {
  const Vec3& origin = span.mid.Samples[k];
  const Vec3& toward = span.right.Samples[k];
  const Vec3& ahead = k + 1 < span.mid.Count() ? span.mid.Samples[k + 1] : span.after_last;
  return CrossSection{LocalFrame(origin, toward, ahead),
                      Distance(origin, toward),
                      span.mid.Cum[k],
                      {span.left.Cum[k] * factor + offset[0], span.mid.Cum[k] * factor + offset[1],
                       span.right.Cum[k] * factor + offset[2]}};
}

Vec3 AheadOf(const SpanCurves& span, const Vec3& point, int upper) {
  const int count = span.mid.Count();
  if (upper >= count) return span.after_last;
  const Vec3& ahead = span.mid.Samples[upper];
  if (ahead != point) return ahead;
  return upper + 1 < count ? span.mid.Samples[upper + 1] : span.after_last;
}

CrossSection FractionSection(const SpanCurves& span, double fraction, double factor,
                             const TexOffset& offset) {
  const SpanPoint mid = PointAlongSpan(span.mid, fraction, kFraction);
  const SpanPoint right = PointAlongSpan(span.right, fraction, kFraction);
  const SpanPoint left = PointAlongSpan(span.left, fraction, kFraction);
  return CrossSection{LocalFrame(mid.point, right.point, AheadOf(span, mid.point, mid.upper)),
                      Distance(mid.point, right.point),
                      mid.distance,
                      {left.distance * factor + offset[0], mid.distance * factor + offset[1],
                       right.distance * factor + offset[2]}};
}

}  // namespace kurvex
