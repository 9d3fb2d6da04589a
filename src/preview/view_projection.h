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
int PickCtlPoint(const Course& course, const CameraValues& camera, int width, int height, double x,
                 double y, double radius);

// A CTL point's position in preview units.
Vec3 CtlPointPosition(const Course& course, int i);

// The line of sight through a window pixel: from the eye, in preview units.
struct Ray {
  Vec3 origin;
  Vec3 direction;
};
Ray PixelRay(const CameraValues& camera, int width, int height, double x, double y);

// A direction given in the eye's own axes (x right, y up, -z forward), in the world's axes.
Vec3 ViewToWorld(const CameraValues& camera, const Vec3& direction);

// Where the ray meets the plane through `point` with that normal, in front of the eye; false
// when it runs parallel to the plane or meets it behind the eye.
bool IntersectPlane(const Ray& ray, const Vec3& point, const Vec3& normal, Vec3* hit);

// A camera looking straight down on the whole course from above its middle, high enough that
// every point shows in a view of this aspect (width / height), within the camera's reach. The
// speeds and options stay as they are.
CameraValues FramingCamera(const Course& course, double aspect, const CameraValues& camera);
// The camera unchanged when point i lies well inside the view (away from its edges by a tenth);
// otherwise a camera looking straight down on the point from kPointViewHeight above it, so that
// its neighbourhood shows. The speeds and options stay as they are.
constexpr double kPointViewHeight = 6;  // preview units
CameraValues CameraShowingPoint(const Course& course, int i, const CameraValues& camera, int width,
                                int height);
// How many points of the course lie in the view.
int PointsInView(const Course& course, const CameraValues& camera, int width, int height);

// The plane a point dragged in the preview moves in: level through the point, or upright
// through it and facing the eye (for lifting and lowering it).
Vec3 LevelPlaneNormal();
Vec3 UprightPlaneNormal(const CameraValues& camera);

}  // namespace kurvex
