#include "geometry/cgl_geometry.h"

#include <gtest/gtest.h>

#include <cmath>

#include "geometry_test_util.h"

namespace kurvex {
namespace {

TEST(AngleArithmetic, AngleOfCoversEveryQuadrantWithTheLiterals) {
  EXPECT_EQ(AngleOf(0, 2), kPi / 2);
  EXPECT_EQ(AngleOf(0, -2), 4.712388980384685);
  EXPECT_EQ(AngleOf(0, 0), 0);
  EXPECT_EQ(AngleOf(1, 0), 0);
  EXPECT_EQ(AngleOf(-1, 0), 3.14159265358979);
  EXPECT_NEAR(AngleOf(1, 1), kPi / 4, 1e-15);
  EXPECT_NEAR(AngleOf(-1, 1), 3 * kPi / 4, 1e-14);
  EXPECT_NEAR(AngleOf(-1, -1), 5 * kPi / 4, 1e-14);
  // A negative angle is lifted by the 2pi literal, so it stays in [0, 2pi).
  EXPECT_EQ(AngleOf(1, -1), -std::atan(1.0) + 6.28318530717958);
  EXPECT_EQ(DegToRad(180), 180 * 0.017453292519943);
  EXPECT_EQ(RadToDeg(1), 1 / 0.017453292519943);
}

TEST(AngleArithmetic, Rotate2DAndSetLength) {
  double a = 1, b = 0;
  Rotate2D(a, b, kPi / 2);  // from the first axis toward the second
  EXPECT_NEAR(a, 0, 1e-14);
  EXPECT_NEAR(b, 1, 1e-14);
  Vec3 v{3, 0, 4};
  EXPECT_TRUE(SetLength(v, 10));
  EXPECT_VEC_NEAR(v, (Vec3{6, 0, 8}), 1e-12);
  Vec3 zero{}, infinite{INFINITY, 0, 0};
  EXPECT_FALSE(SetLength(zero, 1));
  EXPECT_EQ(zero, (Vec3{0, 0, 0}));
  EXPECT_FALSE(SetLength(infinite, 1));
}

TEST(LocalFrames, LevelTrackMapsXToTheRightYUpAndZBackward) {
  // Travel along +x: the right edge lies toward +z.
  const Vec3 o{1, 2, 3}, t{1, 2, 3.5}, a{1.2, 2, 3};
  EXPECT_VEC_NEAR(LocalToWorld(o, t, a, {1, 0, 0}), (Vec3{1, 2, 4}), 1e-12);
  EXPECT_VEC_NEAR(LocalToWorld(o, t, a, {0, 1, 0}), (Vec3{1, 3, 3}), 1e-12);
  EXPECT_VEC_NEAR(LocalToWorld(o, t, a, {0, 0, 1}), (Vec3{0, 2, 3}), 1e-12);
}

TEST(LocalFrames, BankedAndClimbingTrackKeepsTheFrameOrthonormal) {
  // Travel along +z climbing at 45 degrees, banked so the right edge lies below.
  const Vec3 o{0, 0, 0}, t{-0.8, -0.6, 0}, a{0, 0.1, 0.1};
  const Vec3 x = LocalToWorld(o, t, a, {1, 0, 0});
  const Vec3 y = LocalToWorld(o, t, a, {0, 1, 0});
  const Vec3 z = LocalToWorld(o, t, a, {0, 0, 1});
  EXPECT_VEC_NEAR(x, (Vec3{-0.8, -0.6, 0}), 1e-12);
  EXPECT_NEAR(x.x * y.x + x.y * y.y + x.z * y.z, 0, 1e-12);
  EXPECT_NEAR(x.x * z.x + x.y * z.y + x.z * z.z, 0, 1e-12);
  EXPECT_NEAR(Length(y), 1, 1e-12);
  // z points back down the slope, y has an upward component.
  EXPECT_LT(z.z, 0);
  EXPECT_LT(z.y, 0);
  EXPECT_GT(y.y, 0);
  // The precomputed frame gives exactly the same points.
  const LocalFrame frame(o, t, a);
  for (const Vec3& v : {Vec3{0.1, 0.2, 0}, Vec3{-0.5, 0.015, 0}, Vec3{0, -1, 0.3}}) {
    EXPECT_EQ(frame.Apply(v), LocalToWorld(o, t, a, v));
  }
}

}  // namespace
}  // namespace kurvex
