#pragma once
// Closed cubic Bezier curves through a ring of points, with each point's tangent parallel to
// the chord between its neighbours.

#include <cstdint>
#include <vector>

#include "geometry/vec3.h"

namespace kurvex {

// Samples the closed curve through points[0..n-1] at `steps` equal parameter steps per span,
// span after span, into out (resized to steps * n). Returns 0, or -1 when n < 3 or steps < 1
// (out untouched).
int32_t BezierSpline(const Vec3* points, int n, int steps, std::vector<Vec3>& out);

// Samples the span whose four control points start at ctrl[start] (indices past the end wrap
// to the front) into out[out_start .. out_start + steps - 1]: the first sample is the span's
// start, the span's end is left to the next span.
void EvaluateBezierSegment(const Vec3* ctrl, int ctrl_count, int start, int steps, Vec3* out,
                           int out_start);

}  // namespace kurvex
