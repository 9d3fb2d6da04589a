#pragma once
// Points at a distance or a fraction along one span of a curve, measured along its samples.

#include "geometry/prepared_course.h"
#include "geometry/spline.h"
#include "geometry/vec3.h"

namespace kurvex {

enum SpanMeasure : int {
  kFromStart = 1,  // value is a distance from the start, at most half the span
  kFromEnd = 2,    // value is a distance back from the end, at most half the span
  kFraction = 3,   // value is a fraction of the span's length
};

struct SpanPoint {
  Vec3 point;
  int lower = 0;  // samples bracketing the point: lower = upper - 1
  int upper = 1;
  double distance = 0;  // distance along the span that was used
};

// The span must have been measured (Cum describes its samples).
SpanPoint PointAlongSpan(const CurveSegment& segment, double value, SpanMeasure mode);

// The point of the centre curve's span i at a fraction of its length (preview units).
Vec3 CentrePointAtFraction(const PreparedCourse& prepared, int i, double fraction);

}  // namespace kurvex
