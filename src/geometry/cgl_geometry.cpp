#include "geometry/cgl_geometry.h"

#include <cmath>

namespace kurvex {

double DegToRad(double degrees) { return degrees * kRadiansPerDegree; }
double RadToDeg(double radians) { return radians / kRadiansPerDegree; }

double AngleOf(double a, double b) {
  if (a == 0) {
    if (b > 0) return kPi / 2;
    if (b < 0) return 4.712388980384685;
    return 0;
  }
  double r = std::atan(b / a);
  if (a < 0) r += kPi;
  if (r < 0) r += kTwoPi;
  return r;
}

void Rotate2D(double& a, double& b, double angle) {
  const double c = std::cos(angle);
  const double s = std::sin(angle);
  const double a2 = c * a - s * b;
  b = s * a + c * b;
  a = a2;
}

bool SetLength(double& x, double& y, double& z, double length) {
  const double norm = std::sqrt(x * x + y * y + z * z);
  if (!(norm > 0) || !std::isfinite(norm)) return false;
  const double s = length / norm;
  x *= s;
  y *= s;
  z *= s;
  return true;
}

bool SetLength(Vec3& v, double length) { return SetLength(v.x, v.y, v.z, length); }

FrameAngles FrameAnglesOf(const Vec3& origin, const Vec3& toward, const Vec3& ahead) {
  Vec3 l = toward - origin;
  Vec3 f = ahead - origin;
  FrameAngles angles;
  angles.a1 = AngleOf(l.x, l.z);
  Rotate2D(f.x, f.z, -angles.a1);
  Rotate2D(l.x, l.z, -angles.a1);
  angles.a3 = AngleOf(l.x, l.y);
  Rotate2D(f.x, f.y, -angles.a3);
  angles.a2 = AngleOf(f.z, f.y) + kPi;
  return angles;
}

LocalFrame::LocalFrame(const Vec3& origin, const Vec3& toward, const Vec3& ahead)
    : LocalFrame(origin, FrameAnglesOf(origin, toward, ahead)) {}

LocalFrame::LocalFrame(const Vec3& origin, const FrameAngles& angles)
    : origin_(origin),
      angles_(angles),
      c1_(std::cos(angles.a1)),
      s1_(std::sin(angles.a1)),
      c2_(std::cos(angles.a2)),
      s2_(std::sin(angles.a2)),
      c3_(std::cos(angles.a3)),
      s3_(std::sin(angles.a3)) {}

Vec3 LocalFrame::Apply(const Vec3& local) const {
  double x = local.x, y = local.y, z = local.z;
  // Rotate2D(z, y, a2); Rotate2D(x, y, a3); Rotate2D(x, z, a1), with the sines kept.
  double t = c2_ * z - s2_ * y;
  y = s2_ * z + c2_ * y;
  z = t;
  t = c3_ * x - s3_ * y;
  y = s3_ * x + c3_ * y;
  x = t;
  t = c1_ * x - s1_ * z;
  z = s1_ * x + c1_ * z;
  x = t;
  return {x + origin_.x, y + origin_.y, z + origin_.z};
}

Vec3 LocalToWorld(const Vec3& origin, const Vec3& toward, const Vec3& ahead, const Vec3& local) {
  return LocalFrame(origin, toward, ahead).Apply(local);
}

}  // namespace kurvex
