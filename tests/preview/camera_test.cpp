#include "preview/camera.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <tuple>

#include "preview/view_projection.h"

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

TEST(Camera, MouseTurnsAndMovesAlongTheView) {
  Camera camera;
  camera.Turn(-10, 5);
  EXPECT_EQ(camera.values().azimuth, 350);
  EXPECT_EQ(camera.values().elevation, 275);
  Camera level(CameraValues{0, 1, 0, 90, 0, 0});  // looking along -x
  level.MoveAlongView(0, 0, 2);
  EXPECT_NEAR(level.values().x, -2, 1e-12);
  EXPECT_NEAR(level.values().z, 0, 1e-12);
  level.MoveAlongView(0, 100, 0);  // kept within reach
  EXPECT_EQ(level.values().y, kCameraLimit);
  level.Turn(std::nan(""), 0);
  EXPECT_EQ(level.values().azimuth, 90);
}

TEST(Camera, RestoreTakesValuesThroughTheBoxRules) {
  CameraValues damaged;
  damaged.x = 1e9;
  damaged.elevation = -90;
  damaged.coord_speed = std::numeric_limits<double>::infinity();
  damaged.ang_relative = false;
  Camera camera;
  camera.Restore(damaged);
  EXPECT_EQ(camera.values().x, kCameraLimit);
  EXPECT_EQ(camera.values().elevation, 270);
  EXPECT_EQ(camera.values().coord_speed, CameraValues().coord_speed);  // the default
  EXPECT_FALSE(camera.values().ang_relative);
}

TEST(ViewProjection, APixelsRayRunsThroughWhatIsDrawnThere) {
  const CameraValues views[] = {
      {0, 20, 0, 0, 270, 0}, {0, 3, 5, 10, 340, 15}, {-6, 4, -2, 270, 330, 0}};
  const Vec3 point{1.5, 0.5, -2};
  for (const CameraValues& camera : views) {
    ScreenPoint screen;
    ASSERT_TRUE(ProjectToScreen(camera, 640, 480, point, &screen));
    const Ray ray = PixelRay(camera, 640, 480, screen.x, screen.y);
    Vec3 hit;
    ASSERT_TRUE(IntersectPlane(ray, point, LevelPlaneNormal(), &hit));
    EXPECT_NEAR(Distance(hit, point), 0, 1e-9);
    ASSERT_TRUE(IntersectPlane(ray, point, UprightPlaneNormal(camera), &hit));
    EXPECT_NEAR(Distance(hit, point), 0, 1e-9);
  }
  // Behind the eye nothing is drawn and nothing is hit.
  ScreenPoint screen;
  EXPECT_FALSE(ProjectToScreen(views[0], 640, 480, {0, 30, 0}, &screen));
  Vec3 hit;
  EXPECT_FALSE(
      IntersectPlane(PixelRay(views[0], 640, 480, 320, 240), {0, 30, 0}, LevelPlaneNormal(), &hit));
}

TEST(ViewProjection, PickingPrefersTheNearestDot) {
  Course course;
  course.PointCount = 4;
  course.Points[1] = {1000, 0, 0};
  course.Points[2] = {1000, 5000, 0};  // straight above point 1, nearer to the eye
  course.Points[3] = {-4000, 0, 0};
  course.Points[4] = {0, 0, 4000};
  const CameraValues camera;  // looking down from 20 units up
  ScreenPoint screen;
  ASSERT_TRUE(ProjectToScreen(camera, 640, 480, CtlPointPosition(course, 1), &screen));
  ScreenPoint above;
  ProjectToScreen(camera, 640, 480, CtlPointPosition(course, 2), &above);
  EXPECT_EQ(PickCtlPoint(course, camera, 640, 480, above.x, above.y, 8), 2);
  EXPECT_EQ(PickCtlPoint(course, camera, 640, 480, screen.x + 20, screen.y, 8), 0);
  ProjectToScreen(camera, 640, 480, CtlPointPosition(course, 3), &screen);
  EXPECT_EQ(PickCtlPoint(course, camera, 640, 480, screen.x + 5, screen.y - 5, 8), 3);
}

// A point already well inside the view keeps the user's camera; one at the edge, behind the eye
// or beyond the far plane is looked down upon from just above.
TEST(ViewProjection, ShowingAPointMovesTheCameraOnlyWhenNeeded) {
  Course course;
  course.PointCount = 4;
  course.Points[1] = {0, 0, 0};
  course.Points[2] = {14000, 2000, 0};  // near the right edge of the default view
  course.Points[3] = {40000, 0, -30000};
  course.Points[4] = {0, 0, 4000};
  CameraValues camera;
  camera.coord_speed = 0.7;
  const CameraValues kept = CameraShowingPoint(course, 1, camera, 640, 480);
  EXPECT_EQ(kept.x, camera.x);
  EXPECT_EQ(kept.y, camera.y);
  EXPECT_EQ(kept.elevation, camera.elevation);
  for (int i : {2, 3}) {
    const CameraValues over = CameraShowingPoint(course, i, camera, 640, 480);
    const Vec3 point = CtlPointPosition(course, i);
    EXPECT_DOUBLE_EQ(over.x, point.x);
    EXPECT_DOUBLE_EQ(over.z, point.z);
    EXPECT_DOUBLE_EQ(over.y, point.y + kPointViewHeight);
    EXPECT_EQ(over.coord_speed, 0.7);
    ScreenPoint screen;
    ASSERT_TRUE(ProjectToScreen(over, 640, 480, point, &screen));
    EXPECT_NEAR(screen.x, 320, 1e-6);
    EXPECT_NEAR(screen.y, 240, 1e-6);
  }
  // A point that is not on the course changes nothing.
  EXPECT_EQ(CameraShowingPoint(course, 5, camera, 640, 480).x, camera.x);
}

}  // namespace
}  // namespace kurvex
