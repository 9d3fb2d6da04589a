#pragma once
// Where the preview draws a point: the frame's view (roll, pitch, yaw with every angle negated,
// then minus the camera position) and its perspective (45 degrees vertically, near 0.1, far
// 100), in window pixels from the top left. Used to pick the CTL point dot under the pointer.

#include "course/course.h"
#include "geometry/vec3.h"
#include "preview/camera.h"

namespace kurvex {

constexpr double kFieldOfView = 45;  // degrees, vertical
constexpr double kNearPlane = 0.1;
constexpr double kFarPlane = 100;

struct ScreenPoint {
  double x = 0, y = 0;  // pixels from the top left
  double depth = 0;     // distance in front of the eye
};

// False when the point lies behind the eye or outside the near and far planes.
bool ProjectToScreen(const CameraValues& camera, int width, int height, const Vec3& point,
                     ScreenPoint* screen);

// The CTL point (1..PointCount) whose dot lies within radius pixels of (x, y), the nearest to
// the eye among the closest ones; 0 when there is none.
int PickCtlPoint(const Course& course, const CameraValues& camera, int width, int height,
                 double x, double y, double radius);

// A CTL point's position in preview units.
Vec3 CtlPointPosition(const Course& course, int i);

}  // namespace kurvex
