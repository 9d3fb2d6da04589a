#include "preview/camera.h"

#include <gtest/gtest.h>

namespace kurvex {
namespace {

CameraButtons Coord(std::initializer_list<int> pressed) {
  CameraButtons b;
  for (int i : pressed) b.coord[i] = true;
  return b;
}

CameraButtons Ang(std::initializer_list<int> pressed) {
  CameraButtons b;
  for (int i : pressed) b.ang[i] = true;
  return b;
}

TEST(Camera, PositionButtonRaisesUntilTheLimit) {
  CameraValues world;
  world.coord_relative = false;
  Camera camera(world);
  for (int tick = 0; tick < 400; ++tick) camera.Tick(Coord({0}));
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
  camera.Tick(Ang({0, 1}));
  EXPECT_DOUBLE_EQ(camera.values().azimuth, 0);
  camera.Tick(Ang({4}));
  EXPECT_DOUBLE_EQ(camera.values().elevation, 0);
  camera.Tick(Ang({1}));
  EXPECT_DOUBLE_EQ(camera.values().azimuth, 359);
}

TEST(Camera, RelativeEqualsAbsoluteAtZeroAngles) {
  CameraValues start;
  start.elevation = 0;
  for (int button = 0; button < 6; ++button) {
    CameraValues relative = start, absolute = start;
    relative.coord_relative = true;
    absolute.coord_relative = false;
    Camera a(relative), b(absolute);
    a.Tick(Coord({button}));
    b.Tick(Coord({button}));
    EXPECT_NEAR(a.values().x, b.values().x, 1e-12) << button;
    EXPECT_NEAR(a.values().y, b.values().y, 1e-12) << button;
    EXPECT_NEAR(a.values().z, b.values().z, 1e-12) << button;
  }
}

TEST(Camera, RelativeTurnsFromZeroMoveOneAngle) {
  CameraValues start;
  start.elevation = 0;
  Camera yaw(start);
  yaw.Tick(Ang({0}));
  EXPECT_NEAR(yaw.values().azimuth, 1, 1e-9);
  EXPECT_NEAR(yaw.values().elevation, 0, 1e-9);
  EXPECT_NEAR(yaw.values().skew, 0, 1e-9);
  Camera pitch(start);
  pitch.Tick(Ang({4}));
  EXPECT_NEAR(pitch.values().azimuth, 0, 1e-9);
  EXPECT_NEAR(pitch.values().elevation, 1, 1e-9);
  EXPECT_NEAR(pitch.values().skew, 0, 1e-9);
}

TEST(Camera, RelativeMoveFollowsTheView) {
  CameraValues start;
  start.elevation = 0;
  start.azimuth = 90;
  Camera camera(start);
  camera.Tick(Coord({4}));  // forward in the camera's own axes
  EXPECT_NEAR(camera.values().z, 0, 1e-12);
  EXPECT_NEAR(std::abs(camera.values().x), 0.1, 1e-12);
}

TEST(Camera, ValueBoxes) {
  Camera camera;
  camera.SetFromText(Camera::kBoxX, "-75");
  EXPECT_EQ(camera.values().x, -50);
  camera.SetFromText(Camera::kBoxAzimuth, "-90");
  EXPECT_EQ(camera.values().azimuth, 270);
  camera.SetFromText(Camera::kBoxSkew, "720");
  EXPECT_EQ(camera.values().skew, 0);
  camera.SetFromText(Camera::kBoxElevation, "abc");
  EXPECT_EQ(camera.values().elevation, 0);
  camera.SetFromText(Camera::kBoxY, "");
  EXPECT_EQ(camera.values().y, 20);
  camera.SetFromText(Camera::kBoxAzimuth, "1e999");
  EXPECT_EQ(camera.values().azimuth, 0);
  camera.SetFromText(Camera::kBoxCoordSpeed, "2.5x");
  EXPECT_EQ(camera.values().coord_speed, 2.5);
}

}  // namespace
}  // namespace kurvex
