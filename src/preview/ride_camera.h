#pragma once
// The ride along the course: the camera at a driver's height above the centre line, facing
// along the track and banked with it, at any distance along the lap. Worked out from the
// prepared curves alone, so that nothing is rebuilt while riding.

#include "geometry/prepared_course.h"
#include "geometry/vec3.h"
#include "preview/camera.h"

namespace kurvex {

constexpr double kRideHeight = 0.05;     // preview units above the road (5.0 shown)
constexpr double kRideLapSeconds = 10;   // the default speed crosses the new course in this
constexpr double kRideSpeedStep = 1.25;  // Up and Down change the speed by this factor
constexpr double kMinRideSpeedFactor = 1.0 / 16;
constexpr double kMaxRideSpeedFactor = 16;

// Where the rider is and how the road lies there.
struct RidePose {
  Vec3 centre;   // on the centre line
  Vec3 forward;  // along the track, unit length
  Vec3 up;       // away from the road's surface, unit length, square to forward
  Vec3 eye;      // centre + up * kRideHeight
};

// The pose at a distance along the lap from point 1 (preview units, any value: it wraps).
// `prepared` must hold a course's curves (IsPreparedFor).
RidePose RidePoseAt(const PreparedCourse& prepared, double distance);

// A camera at the pose's eye, looking along forward with up as its up; the other values
// (speeds, options) are taken from `base`.
CameraValues RideCamera(const RidePose& pose, const CameraValues& base);

// Preview units a second for a speed factor: factor 1 is the new course's lap in
// kRideLapSeconds.
double RideSpeed(double factor);

}  // namespace kurvex
