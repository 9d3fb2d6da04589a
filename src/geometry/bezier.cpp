#include "geometry/bezier.h"

namespace kurvex {

namespace {

// Tangent direction at a point: the unit chord from its predecessor to its successor. When the
// two neighbours coincide there is no direction; the handles then have zero length and the
// curve leaves the point along the control polygon.
Vec3 TangentDirection(const Vec3& previous, const Vec3& next) {
  const Vec3 chord = next - previous;
  const double length = Length(chord);
  if (!(length > 0)) return {};
  return chord / length;
}

}  // namespace

void EvaluateBezierSegment(const Vec3* ctrl, int ctrl_count, int start, int steps, Vec3* out,
                           int out_start) {
  Vec3 q[4];
  for (int c = 0; c < 4; ++c) {
    int index = start + c;
    if (index >= ctrl_count) index -= ctrl_count;
    q[c] = ctrl[index];
  }
  out[out_start] = q[0];
  const double dt = 1.0 / steps;
  double t = dt;  // advanced by repeated addition, as the sampled data always was
  for (int j = 1; j < steps; ++j) {
    const Vec3 a0 = Lerp(q[0], q[1], t);
    const Vec3 a1 = Lerp(q[1], q[2], t);
    const Vec3 a2 = Lerp(q[2], q[3], t);
    const Vec3 b0 = Lerp(a0, a1, t);
    const Vec3 b1 = Lerp(a1, a2, t);
    out[out_start + j] = Lerp(b0, b1, t);
    t += dt;
  }
}

int32_t BezierSpline(const Vec3* points, int n, int steps, std::vector<Vec3>& out) {
  if (n < 3 || steps < 1) return -1;
  constexpr double kThird = 1.0 / 3;
  // Control polygon: point i, its outgoing handle, the next point's incoming handle.
  std::vector<Vec3> ctrl(3 * static_cast<size_t>(n));
  for (int i = 0; i < n; ++i) {
    const Vec3& p = points[i];
    const Vec3& previous = points[i == 0 ? n - 1 : i - 1];
    const Vec3& next = points[i == n - 1 ? 0 : i + 1];
    const double a = Distance(p, next) * kThird;
    const double b = Distance(previous, p) * kThird;
    const Vec3 t = TangentDirection(previous, next);
    ctrl[3 * i] = p;
    ctrl[3 * i + 1] = p + t * a;
    // The incoming handle of point i belongs to span i - 1.
    ctrl[i == 0 ? 3 * n - 1 : 3 * i - 1] = p - t * b;
  }
  out.resize(static_cast<size_t>(steps) * n);
  for (int i = 0; i < n; ++i) {
    EvaluateBezierSegment(ctrl.data(), 3 * n, 3 * i, steps, out.data(), i * steps);
  }
  return 0;
}

}  // namespace kurvex
