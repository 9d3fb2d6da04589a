#include "preview/ride_camera.h"

#include <algorithm>
#include <cmath>

#include "geometry/cgl_geometry.h"
#include "geometry/point_along_span.h"
#include "preview/view_projection.h"

namespace kurvex {

namespace {

// The new course is a ring of 500 shown units' radius: about 30.7 preview units a lap.
constexpr double kNewCourseLap = 30.73867;

double Dot(const Vec3& a, const Vec3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
Vec3 Cross(const Vec3& a, const Vec3& b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
Vec3 Unit(const Vec3& v, const Vec3& fallback) {
  const double length = Length(v);
  return length > 1e-12 && std::isfinite(length) ? v / length : fallback;
}
double Degrees(double radians) { return WrapDegrees(radians * 180 / M_PI); }

double LapLength(const SplineCurve& centre) {
  double lap = 0;
  for (int i = 1; i <= centre.PointCount; ++i) lap += centre.Span(i).Length;
  return lap;
}

// The span and the share of it at a distance along the lap (0 <= distance < lap).
struct LapPlace {
  int span = 1;
  double fraction = 0;
};
LapPlace PlaceAt(const SplineCurve& centre, double distance, double lap) {
  distance = std::fmod(distance, lap);
  if (distance < 0) distance += lap;
  LapPlace place;
  while (place.span < centre.PointCount && distance > centre.Span(place.span).Length) {
    distance -= centre.Span(place.span).Length;
    ++place.span;
  }
  const double length = centre.Span(place.span).Length;
  place.fraction = length > 0 ? std::clamp(distance / length, 0.0, 1.0) : 0;
  return place;
}

Vec3 CentreAt(const SplineCurve& centre, double distance, double lap) {
  const LapPlace place = PlaceAt(centre, distance, lap);
  return PointAlongSpan(centre.Span(place.span), place.fraction, kFraction).point;
}

}  // namespace

RidePose RidePoseAt(const PreparedCourse& prepared, double distance) {
  RidePose pose;
  const SplineCurve& centre = prepared.CentreCurve;
  const double lap = LapLength(centre);
  if (centre.PointCount < 1 || centre.Segments.size() < static_cast<size_t>(centre.PointCount) ||
      !(lap > 0) || !std::isfinite(distance)) {
    return pose;
  }
  const LapPlace place = PlaceAt(centre, distance, lap);
  const int span = place.span;
  const double fraction = place.fraction;
  pose.centre = PointAlongSpan(centre.Span(span), fraction, kFraction).point;
  // Across a sample spacing either side, so that the view turns smoothly, not at each sample.
  const double h = std::max(prepared.SegmentDistance, 1e-3);
  pose.forward =
      Unit(CentreAt(centre, distance + h, lap) - CentreAt(centre, distance - h, lap), {0, 0, 1});
  // Across the road from the left edge to the right, at the same share of the span.
  Vec3 right = pose.forward;
  if (prepared.RightEdgeCurve.Segments.size() >= static_cast<size_t>(span) &&
      prepared.LeftEdgeCurve.Segments.size() >= static_cast<size_t>(span)) {
    right = PointAlongSpan(prepared.RightEdgeCurve.Span(span), fraction, kFraction).point -
            PointAlongSpan(prepared.LeftEdgeCurve.Span(span), fraction, kFraction).point;
  }
  right = right - pose.forward * Dot(right, pose.forward);
  const Vec3 level_right = Unit(Cross(pose.forward, {0, 1, 0}), {1, 0, 0});
  right = Unit(right, level_right);
  pose.up = Unit(Cross(right, pose.forward), {0, 1, 0});
  pose.eye = pose.centre + pose.up * kRideHeight;
  return pose;
}

CameraValues RideCamera(const RidePose& pose, const CameraValues& base) {
  // The inverse of the view's turns: forward is (-cos e sin a, sin e, -cos e cos a), and the
  // skew turns up away from the up of the unskewed view.
  const Vec3& f = pose.forward;
  const double elevation = std::asin(std::clamp(f.y, -1.0, 1.0));
  const double azimuth = std::atan2(-f.x, -f.z);
  const Vec3 level_up{std::sin(elevation) * std::sin(azimuth), std::cos(elevation),
                      std::sin(elevation) * std::cos(azimuth)};
  const Vec3 level_right{std::cos(azimuth), 0, -std::sin(azimuth)};
  const double skew = std::atan2(-Dot(pose.up, level_right), Dot(pose.up, level_up));
  CameraValues camera = base;
  camera.x = std::clamp(pose.eye.x, -kCameraLimit, kCameraLimit);
  camera.y = std::clamp(pose.eye.y, -kCameraLimit, kCameraLimit);
  camera.z = std::clamp(pose.eye.z, -kCameraLimit, kCameraLimit);
  camera.azimuth = Degrees(azimuth);
  camera.elevation = Degrees(elevation);
  camera.skew = Degrees(skew);
  return camera;
}

double RideSpeed(double factor) { return kNewCourseLap / kRideLapSeconds * factor; }

}  // namespace kurvex
