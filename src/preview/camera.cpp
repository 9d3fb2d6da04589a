#include "preview/camera.h"

#include <algorithm>
#include <cmath>

#include "course/number_text.h"
#include "geometry/cgl_geometry.h"

namespace kurvex {

namespace {

struct Axes {
  double x, y, z;
};

// Carries a vector from camera axes into world axes.
void ToWorld(Axes& v, const CameraFrame& frame) {
  Rotate2D(v.x, v.y, frame.skew);
  Rotate2D(v.z, v.y, frame.elevation);
  Rotate2D(v.x, v.z, frame.azimuth);
}

bool Any(const std::array<bool, 6>& pressed) {
  return std::any_of(pressed.begin(), pressed.end(), [](bool b) { return b; });
}

// One turn of the camera about one of its own axes; the new angles go into the frame.
void TurnFrame(CameraFrame& frame, int button, double theta) {
  Axes forward{0, 0, 1}, side{1, 0, 0};
  if (button <= 1) {
    Rotate2D(forward.x, forward.z, theta);
    Rotate2D(side.x, side.z, theta);
  } else if (button <= 3) {
    Rotate2D(side.x, side.y, theta);
  } else {
    Rotate2D(forward.z, forward.y, theta);
  }
  ToWorld(forward, frame);
  ToWorld(side, frame);
  frame.azimuth = AngleOf(forward.x, forward.z) - kPi / 2;
  Rotate2D(side.x, side.z, -frame.azimuth);
  Rotate2D(forward.x, forward.z, -frame.azimuth);
  frame.elevation = AngleOf(forward.z, forward.y);
  Rotate2D(side.z, side.y, -frame.elevation);
  frame.skew = AngleOf(side.x, side.y);
}

}  // namespace

CameraFrame CameraFrame::Of(const CameraValues& v) {
  return {DegToRad(v.azimuth), DegToRad(v.elevation), DegToRad(v.skew)};
}

double WrapDegrees(double degrees) {
  if (!std::isfinite(degrees)) return 0;
  double wrapped = degrees - 360 * std::floor(degrees / 360);
  if (wrapped < 0) wrapped += 360;
  return wrapped >= 360 ? 0 : wrapped;
}

void Camera::MoveCoordsA(const CameraButtons& b) {
  const double s = values_.coord_speed;
  if (b.coord[0]) values_.y += s;
  if (b.coord[1]) values_.z -= s;
  if (b.coord[2]) values_.x -= s;
  if (b.coord[3]) values_.x += s;
  if (b.coord[4]) values_.z += s;
  if (b.coord[5]) values_.y -= s;
}

void Camera::MoveCoordsB(const CameraButtons& b) {
  const double s = values_.coord_speed;
  Axes d{0, 0, 0};
  if (b.coord[2]) d.x += s;
  if (b.coord[3]) d.x -= s;
  if (b.coord[0]) d.y -= s;
  if (b.coord[5]) d.y += s;
  if (b.coord[1]) d.z -= s;
  if (b.coord[4]) d.z += s;
  ToWorld(d, frame_);
  values_.x -= d.x;
  values_.y -= d.y;
  values_.z += d.z;
}

void Camera::MoveAngsA(const CameraButtons& b) {
  const double s = values_.ang_speed;
  if (b.ang[0]) values_.azimuth += s;
  if (b.ang[1]) values_.azimuth -= s;
  if (b.ang[2]) values_.skew += s;
  if (b.ang[3]) values_.skew -= s;
  if (b.ang[4]) values_.elevation += s;
  if (b.ang[5]) values_.elevation -= s;
  frame_ = CameraFrame::Of(values_);
}

void Camera::MoveAngsB(const CameraButtons& b) {
  const double delta = DegToRad(values_.ang_speed);
  for (int button = 0; button < 6; ++button) {
    if (b.ang[button]) TurnFrame(frame_, button, button % 2 == 0 ? delta : -delta);
  }
  values_.azimuth = RadToDeg(frame_.azimuth);
  values_.elevation = RadToDeg(frame_.elevation);
  values_.skew = RadToDeg(frame_.skew);
}

void Camera::Tick(const CameraButtons& buttons, bool* moved_position, bool* moved_angles) {
  const bool coords = Any(buttons.coord), angles = Any(buttons.ang);
  if (coords) {
    values_.coord_relative ? MoveCoordsB(buttons) : MoveCoordsA(buttons);
    for (double* v : {&values_.x, &values_.y, &values_.z}) {
      *v = std::clamp(*v, -kCameraLimit, kCameraLimit);
    }
  }
  if (angles) {
    values_.ang_relative ? MoveAngsB(buttons) : MoveAngsA(buttons);
    for (double* v : {&values_.azimuth, &values_.elevation, &values_.skew}) {
      *v = WrapDegrees(*v);
    }
  }
  if (moved_position) *moved_position = coords;
  if (moved_angles) *moved_angles = angles;
}

bool Camera::SetFromText(Box box, const std::string& text) {
  if (text.empty()) return false;
  const ParsedNumber parsed = ReadLeadingNumber(text);
  return !parsed.overflow && SetValue(box, parsed.value);
}

bool Camera::SetValue(Box box, double n) {
  if (!std::isfinite(n)) return false;
  switch (box) {
    case kBoxX:
      values_.x = std::clamp(n, -kCameraLimit, kCameraLimit);
      break;
    case kBoxY:
      values_.y = std::clamp(n, -kCameraLimit, kCameraLimit);
      break;
    case kBoxZ:
      values_.z = std::clamp(n, -kCameraLimit, kCameraLimit);
      break;
    case kBoxAzimuth:
      values_.azimuth = WrapDegrees(n);
      break;
    case kBoxElevation:
      values_.elevation = WrapDegrees(n);
      break;
    case kBoxSkew:
      values_.skew = WrapDegrees(n);
      break;
    case kBoxCoordSpeed:
      values_.coord_speed = n;
      break;
    case kBoxAngSpeed:
      values_.ang_speed = n;
      break;
  }
  frame_ = CameraFrame::Of(values_);
  return true;
}

double Camera::Value(Box box) const {
  switch (box) {
    case kBoxX:
      return values_.x;
    case kBoxY:
      return values_.y;
    case kBoxZ:
      return values_.z;
    case kBoxAzimuth:
      return values_.azimuth;
    case kBoxElevation:
      return values_.elevation;
    case kBoxSkew:
      return values_.skew;
    case kBoxCoordSpeed:
      return values_.coord_speed;
    default:
      return values_.ang_speed;
  }
}

void Camera::Restore(const CameraValues& values) {
  const CameraValues defaults;
  values_.coord_hold = values.coord_hold;
  values_.coord_relative = values.coord_relative;
  values_.ang_hold = values.ang_hold;
  values_.ang_relative = values.ang_relative;
  const Camera given(values);
  for (Box box :
       {kBoxX, kBoxY, kBoxZ, kBoxAzimuth, kBoxElevation, kBoxSkew, kBoxCoordSpeed, kBoxAngSpeed}) {
    // A damaged file's value gives way to the default rather than to nothing.
    if (!SetValue(box, given.Value(box))) SetValue(box, Camera(defaults).Value(box));
  }
}

void Camera::Turn(double azimuth_degrees, double elevation_degrees) {
  if (!std::isfinite(azimuth_degrees) || !std::isfinite(elevation_degrees)) return;
  values_.azimuth = WrapDegrees(values_.azimuth + azimuth_degrees);
  values_.elevation = WrapDegrees(values_.elevation + elevation_degrees);
  frame_ = CameraFrame::Of(values_);
}

void Camera::MoveAlongView(double right, double up, double forward) {
  if (!std::isfinite(right) || !std::isfinite(up) || !std::isfinite(forward)) return;
  // The camera's own axes as the relative position buttons use them.
  Axes d{-right, -up, -forward};
  ToWorld(d, frame_);
  values_.x = std::clamp(values_.x - d.x, -kCameraLimit, kCameraLimit);
  values_.y = std::clamp(values_.y - d.y, -kCameraLimit, kCameraLimit);
  values_.z = std::clamp(values_.z + d.z, -kCameraLimit, kCameraLimit);
}

}  // namespace kurvex
