#include "preview/view_projection.h"

#include <cmath>

#include "geometry/cgl_geometry.h"

namespace kurvex {

namespace {

// A right-handed turn of (a, b) by degrees, as glRotate turns the axes it names.
void Turn(double& a, double& b, double degrees) {
  const double r = DegToRad(degrees);
  const double c = std::cos(r), s = std::sin(r);
  const double a2 = a * c - b * s;
  b = a * s + b * c;
  a = a2;
}

}  // namespace

Vec3 CtlPointPosition(const Course& course, int i) {
  const CtlPoint& p = course.Points[i];
  return {p.X / 1000.0, p.Y / 1000.0, p.Z / 1000.0};
}

bool ProjectToScreen(const CameraValues& camera, int width, int height, const Vec3& point,
                     ScreenPoint* screen) {
  if (width <= 0 || height <= 0) return false;
  double x = point.x - camera.x, y = point.y - camera.y, z = point.z - camera.z;
  Turn(z, x, -camera.azimuth);    // about Y
  Turn(y, z, -camera.elevation);  // about X
  Turn(x, y, -camera.skew);       // about Z
  const double depth = -z;
  if (!(depth > kNearPlane && depth < kFarPlane)) return false;
  const double f = 1 / std::tan(DegToRad(kFieldOfView / 2));
  const double aspect = static_cast<double>(width) / height;
  const double ndc_x = f / aspect * x / depth;
  const double ndc_y = f * y / depth;
  screen->x = (ndc_x + 1) / 2 * width;
  screen->y = (1 - ndc_y) / 2 * height;
  screen->depth = depth;
  return true;
}

int PickCtlPoint(const Course& course, const CameraValues& camera, int width, int height,
                 double x, double y, double radius) {
  int best = 0;
  double best_distance = 0, best_depth = 0;
  const int count = course.PointCount <= kMaxPoints ? course.PointCount : 0;
  for (int i = 1; i <= count; ++i) {
    ScreenPoint screen;
    if (!ProjectToScreen(camera, width, height, CtlPointPosition(course, i), &screen)) continue;
    const double distance = std::hypot(screen.x - x, screen.y - y);
    if (distance > radius) continue;
    // Dots within a pixel of each other count as one place: the nearer to the eye wins.
    const bool closer = best == 0 || distance < best_distance - 1 ||
                        (distance <= best_distance + 1 && screen.depth < best_depth);
    if (closer) {
      best = i;
      best_distance = distance;
      best_depth = screen.depth;
    }
  }
  return best;
}

}  // namespace kurvex
