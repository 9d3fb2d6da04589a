#pragma once
// Angle and frame arithmetic shared by course preparation and the track builders. The angle
// constants are the literals the game data was tuned with, not the exact values of pi.

#include "geometry/vec3.h"

namespace kurvex {

constexpr double kPi = 3.14159265358979;
constexpr double kTwoPi = 6.28318530717958;
constexpr double kRadiansPerDegree = 0.017453292519943;

double DegToRad(double degrees);
double RadToDeg(double radians);

// Direction of the vector (a, b), from the a axis toward the b axis, in [0, 2pi).
double AngleOf(double a, double b);

// Turns (a, b) by angle in place, from the a axis toward the b axis.
void Rotate2D(double& a, double& b, double angle);

// Scales (x, y, z) to the given length in place. A vector of zero or non-finite length has no
// direction: it is left unchanged and the result is false.
bool SetLength(double& x, double& y, double& z, double length);
bool SetLength(Vec3& v, double length);

// The three angles that turn the local frame of a cross-section into the world: origin O, T on
// the right edge, A ahead along the track. Local x points toward T, y up, z backward.
struct FrameAngles {
  double a1 = 0;  // heading of the lateral vector in x-z
  double a2 = 0;  // pitch term
  double a3 = 0;  // roll term
};
FrameAngles FrameAnglesOf(const Vec3& origin, const Vec3& toward, const Vec3& ahead);

// The local-to-world mapping of one frame with its sines and cosines worked out once; Apply is
// exactly LocalToWorld for every V.
class LocalFrame {
 public:
  LocalFrame(const Vec3& origin, const Vec3& toward, const Vec3& ahead);
  LocalFrame(const Vec3& origin, const FrameAngles& angles);
  Vec3 Apply(const Vec3& local) const;
  const Vec3& origin() const { return origin_; }
  const FrameAngles& angles() const { return angles_; }

 private:
  Vec3 origin_;
  FrameAngles angles_;
  double c1_, s1_, c2_, s2_, c3_, s3_;
};

Vec3 LocalToWorld(const Vec3& origin, const Vec3& toward, const Vec3& ahead, const Vec3& local);

}  // namespace kurvex
