#include "preview/camera.h"

#include <gtest/gtest.h>

#include <tuple>

namespace kurvex {
namespace {

CameraButtons Press(std::initializer_list<int> coord, std::initializer_list<int> ang = {}) {
  CameraButtons b;
  for (int i : coord) b.coord[i] = true;
  for (int i : ang) b.ang[i] = true;
  return b;
}

TEST(Camera, PositionButtonRaisesUntilTheLimit) {
  CameraValues world;
  world.coord_relative = false;
  Camera camera(world);
  for (int tick = 0; tick < 400; ++tick) camera.Tick(Press({0}));
  EXPECT_DOUBLE_EQ(camera.values().y, 50);
  bool moved = false;
  camera.Tick(CameraButtons{}, &moved);
  EXPECT_FALSE(moved);
}

TEST(Camera, OppositeButtonsCancelAndAnglesWrap) {
  CameraValues start;
  start.ang_relative = false;
  start.elevation = 359;
  Camera camera(start);
  camera.Tick(Press({}, {0, 1}));
  EXPECT_DOUBLE_EQ(camera.values().azimuth, 0);
  camera.Tick(Press({}, {4}));
  EXPECT_DOUBLE_EQ(camera.values().elevation, 0);
  camera.Tick(Press({}, {1}));
  EXPECT_DOUBLE_EQ(camera.values().azimuth, 359);
}

TEST(Camera, RelativeEqualsAbsoluteAtZeroAngles) {
  CameraValues start;
  start.elevation = 0;
  for (int button = 0; button < 6; ++button) {
    CameraValues absolute = start;
    absolute.coord_relative = false;
    Camera a(start), b(absolute);
    a.Tick(Press({button}));
    b.Tick(Press({button}));
    EXPECT_NEAR(a.values().x, b.values().x, 1e-12) << button;
    EXPECT_NEAR(a.values().y, b.values().y, 1e-12) << button;
    EXPECT_NEAR(a.values().z, b.values().z, 1e-12) << button;
  }
  // A relative turn from zero moves one angle only.
  for (auto [button, azimuth, elevation] : {std::tuple{0, 1, 0}, std::tuple{4, 0, 1}}) {
    Camera turn(start);
    turn.Tick(Press({}, {button}));
    EXPECT_NEAR(turn.values().azimuth, azimuth, 1e-9) << button;
    EXPECT_NEAR(turn.values().elevation, elevation, 1e-9) << button;
    EXPECT_NEAR(turn.values().skew, 0, 1e-9) << button;
  }
}

TEST(Camera, RelativeMoveFollowsTheView) {
  CameraValues start;
  start.elevation = 0;
  start.azimuth = 90;
  Camera camera(start);
  camera.Tick(Press({4}));  // forward in the camera's own axes
  EXPECT_NEAR(camera.values().z, 0, 1e-12);
  EXPECT_NEAR(std::abs(camera.values().x), 0.1, 1e-12);
}

TEST(Camera, ValueBoxes) {
  const struct {
    Camera::Box box;
    const char* text;
    double CameraValues::*value;
    double expected;
  } boxes[] = {
      {Camera::kBoxX, "-75", &CameraValues::x, -50},
      {Camera::kBoxAzimuth, "-90", &CameraValues::azimuth, 270},
      {Camera::kBoxSkew, "720", &CameraValues::skew, 0},
      {Camera::kBoxElevation, "abc", &CameraValues::elevation, 0},
      {Camera::kBoxY, "", &CameraValues::y, 20},
      {Camera::kBoxAzimuth, "1e999", &CameraValues::azimuth, 270},  // overflow: refused
      {Camera::kBoxCoordSpeed, "2.5x", &CameraValues::coord_speed, 2.5},
      {Camera::kBoxCoordSpeed, "-1e999", &CameraValues::coord_speed, 2.5},
  };
  Camera camera;
  for (const auto& b : boxes) {
    camera.SetFromText(b.box, b.text);
    EXPECT_EQ(camera.values().*b.value, b.expected) << b.text;
  }
}

}  // namespace
}  // namespace kurvex
