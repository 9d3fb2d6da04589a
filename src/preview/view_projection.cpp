#include "preview/view_projection.h"

#include <algorithm>
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

Ray PixelRay(const CameraValues& camera, int width, int height, double x, double y) {
  const double f = std::tan(DegToRad(kFieldOfView / 2));
  const double aspect = height > 0 ? static_cast<double>(width) / height : 1;
  double dx = (2 * x / std::max(width, 1) - 1) * aspect * f;
  double dy = (1 - 2 * y / std::max(height, 1)) * f;
  return {{camera.x, camera.y, camera.z}, ViewToWorld(camera, {dx, dy, -1})};
}

Vec3 ViewToWorld(const CameraValues& camera, const Vec3& direction) {
  double dx = direction.x, dy = direction.y, dz = direction.z;
  // The view's turns undone, in the opposite order.
  Turn(dx, dy, camera.skew);
  Turn(dy, dz, camera.elevation);
  Turn(dz, dx, camera.azimuth);
  return {dx, dy, dz};
}

bool IntersectPlane(const Ray& ray, const Vec3& point, const Vec3& normal, Vec3* hit) {
  const double facing =
      ray.direction.x * normal.x + ray.direction.y * normal.y + ray.direction.z * normal.z;
  if (std::abs(facing) < 1e-9) return false;
  const Vec3 to_point = point - ray.origin;
  const double t = (to_point.x * normal.x + to_point.y * normal.y + to_point.z * normal.z) / facing;
  if (!(t > 0) || !std::isfinite(t)) return false;
  *hit = ray.origin + ray.direction * t;
  return true;
}

CameraValues FramingCamera(const Course& course, double aspect, const CameraValues& camera) {
  CameraValues framed = camera;
  const int count = course.PointCount <= kMaxPoints ? course.PointCount : 0;
  if (count == 0) return framed;
  Vec3 low = CtlPointPosition(course, 1), high = low;
  for (int i = 2; i <= count; ++i) {
    const Vec3 p = CtlPointPosition(course, i);
    low = {std::min(low.x, p.x), std::min(low.y, p.y), std::min(low.z, p.z)};
    high = {std::max(high.x, p.x), std::max(high.y, p.y), std::max(high.z, p.z)};
  }
  const double half_height = std::max((high.z - low.z) / 2, (high.x - low.x) / 2 / aspect);
  // A tenth to spare round the edges, and the track's width beyond the points.
  const double height = (half_height * 1.1 + 0.3) / std::tan(DegToRad(kFieldOfView / 2));
  framed.x = std::clamp((low.x + high.x) / 2, -kCameraLimit, kCameraLimit);
  framed.z = std::clamp((low.z + high.z) / 2, -kCameraLimit, kCameraLimit);
  framed.y = std::clamp(high.y + height, -kCameraLimit, kCameraLimit);
  framed.azimuth = 0;
  framed.elevation = 270;
  framed.skew = 0;
  return framed;
}

CameraValues CameraShowingPoint(const Course& course, int i, const CameraValues& camera, int width,
                                int height) {
  if (i < 1 || i > std::min<int>(course.PointCount, kMaxPoints)) return camera;
  const Vec3 point = CtlPointPosition(course, i);
  ScreenPoint screen;
  if (ProjectToScreen(camera, width, height, point, &screen) && screen.x >= 0.1 * width &&
      screen.x <= 0.9 * width && screen.y >= 0.1 * height && screen.y <= 0.9 * height) {
    return camera;
  }
  CameraValues over = camera;
  over.x = std::clamp(point.x, -kCameraLimit, kCameraLimit);
  over.y = std::clamp(point.y + kPointViewHeight, -kCameraLimit, kCameraLimit);
  over.z = std::clamp(point.z, -kCameraLimit, kCameraLimit);
  over.azimuth = 0;
  over.elevation = 270;
  over.skew = 0;
  return over;
}

int PointsInView(const Course& course, const CameraValues& camera, int width, int height) {
  const int count = course.PointCount <= kMaxPoints ? course.PointCount : 0;
  int seen = 0;
  for (int i = 1; i <= count; ++i) {
    ScreenPoint screen;
    if (ProjectToScreen(camera, width, height, CtlPointPosition(course, i), &screen) &&
        screen.x >= 0 && screen.x < width && screen.y >= 0 && screen.y < height) {
      ++seen;
    }
  }
  return seen;
}

Vec3 LevelPlaneNormal() { return {0, 1, 0}; }

Vec3 UprightPlaneNormal(const CameraValues& camera) {
  // The eye's horizontal direction of view; straight down it is the top of the screen.
  const Ray centre = PixelRay(camera, 2, 2, 1, 1);
  const Ray above = PixelRay(camera, 2, 2, 1, 0);
  Vec3 flat{centre.direction.x, 0, centre.direction.z};
  if (Length(flat) < 1e-6) flat = {above.direction.x, 0, above.direction.z};
  return flat;
}

int PickCtlPoint(const Course& course, const CameraValues& camera, int width, int height, double x,
                 double y, double radius) {
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
