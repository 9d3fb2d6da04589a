#pragma once
// Cross-sections of one span: a local frame on the mid curve facing the right edge, the half
// width there and the texture coordinate v of the left, middle and right point groups.

#include <array>

#include "geometry/cgl_geometry.h"
#include "geometry/prepared_course.h"
#include "geometry/vec3.h"

namespace kurvex {

// Running texture coordinates along the left edge, the mid curve and the right edge.
using TexOffset = std::array<double, 3>;

// The curves of span i, with the sample that follows the span's last mid sample (the second
// mid sample of the next span), which orients the last cross-section.
struct SpanCurves {
  SpanCurves(const PreparedCourse& prepared, int i);

  const CurveSegment& left;
  const CurveSegment& mid;
  const CurveSegment& right;
  Vec3 after_last;
};

struct CrossSection {
  LocalFrame frame;
  double half_width;
  double distance;          // along the mid curve from the span's start
  std::array<double, 3> v;  // texture v of the left, middle and right groups
};

// The section at sample k; v = Cum * factor + offset on each curve.
CrossSection SampleSection(const SpanCurves& span, int k, double factor, const TexOffset& offset);

// The section at a fraction of the span: the mid point at that fraction of the mid curve's
// length, the right-edge point at the same fraction of the right edge's, oriented toward the
// next mid sample.
CrossSection FractionSection(const SpanCurves& span, double fraction, double factor,
                             const TexOffset& offset);

// The sample ahead of the point that lies between mid samples upper - 1 and upper; a point that
// lies exactly on that sample looks on to the one after it.
Vec3 AheadOf(const SpanCurves& span, const Vec3& point, int upper);

}  // namespace kurvex
