#include "preview/ride_camera.h"

#include <gtest/gtest.h>

#include <cmath>

#include "course/new_course.h"
#include "preview/view_projection.h"
#include "test_courses.h"

namespace kurvex {
namespace {

double Dot(const Vec3& a, const Vec3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

PreparedCourse Prepared(const Course& course) {
  PreparedCourse prepared;
  EXPECT_EQ(PrepareCourse(course, kDefaultSegmentDistance, prepared), 0);
  return prepared;
}

// The nearest distance from a point to the centre curve's sample polyline.
double DistanceToCentreLine(const PreparedCourse& prepared, const Vec3& p) {
  double nearest = 1e9;
  for (const CurveSegment& span : prepared.CentreCurve.Segments) {
    for (size_t k = 1; k < span.Samples.size(); ++k) {
      const Vec3 a = span.Samples[k - 1], ab = span.Samples[k] - a;
      const double t = std::clamp(Dot(p - a, ab) / std::max(Dot(ab, ab), 1e-18), 0.0, 1.0);
      nearest = std::min(nearest, Distance(p, a + ab * t));
    }
  }
  return nearest;
}

// The camera at any distance: on the centre line at the driver's height, looking along the
// track (the tangent, toward the next samples), its up the road's up.
void ExpectRidesTheCourse(const Course& course, double banking_degrees) {
  const PreparedCourse prepared = Prepared(course);
  for (double d = 0; d < prepared.CourseLength; d += prepared.CourseLength / 37) {
    const RidePose pose = RidePoseAt(prepared, d);
    EXPECT_LT(DistanceToCentreLine(prepared, pose.centre), 1e-9) << d;
    EXPECT_NEAR(Distance(pose.eye, pose.centre), kRideHeight, 1e-12);
    EXPECT_NEAR(Dot(pose.up, pose.forward), 0, 1e-9);
    // Facing the tangent: a little further along lies straight ahead.
    const Vec3 ahead =
        RidePoseAt(prepared, d + 0.01).centre - RidePoseAt(prepared, d - 0.01).centre;
    EXPECT_GT(Dot(ahead / Length(ahead), pose.forward), 0.9995) << d;
    // Banked with the road: its right hand side tilts by the banking.
    const Vec3 right{pose.forward.y * pose.up.z - pose.forward.z * pose.up.y,
                     pose.forward.z * pose.up.x - pose.forward.x * pose.up.z,
                     pose.forward.x * pose.up.y - pose.forward.y * pose.up.x};
    EXPECT_NEAR(std::asin(std::abs(right.y)) * 180 / M_PI, banking_degrees, 1.5) << d;

    const CameraValues camera = RideCamera(pose, CameraValues{});
    EXPECT_NEAR(camera.x, pose.eye.x, 1e-12);
    EXPECT_NEAR(camera.y, pose.eye.y, 1e-12);
    EXPECT_NEAR(camera.z, pose.eye.z, 1e-12);
    const Vec3 looking = ViewToWorld(camera, {0, 0, -1});
    const Vec3 up = ViewToWorld(camera, {0, 1, 0});
    EXPECT_NEAR(Distance(looking, pose.forward), 0, 1e-9) << d;
    EXPECT_NEAR(Distance(up, pose.up), 0, 1e-9) << d;
    // What lies ahead on the road shows in the middle of the view, above the road below.
    ScreenPoint screen;
    ASSERT_TRUE(ProjectToScreen(camera, 640, 480, pose.eye + pose.forward * 2, &screen));
    EXPECT_NEAR(screen.x, 320, 1e-6);
    EXPECT_NEAR(screen.y, 240, 1e-6);
  }
}

TEST(RideCamera, LevelNewCourse) { ExpectRidesTheCourse(NewCourse(), 0); }

TEST(RideCamera, BankedHillyRing) {
  Course course = test::RingCourse(12, 8000);
  for (int i = 1; i <= 12; ++i) {
    course.Banking[i] = 30;
    course.Points[i].Y = static_cast<float>(1000 + 600 * std::sin(i));
  }
  const PreparedCourse prepared = Prepared(course);
  ExpectRidesTheCourse(course, 30);
  // The road climbs and falls, so the view pitches with it.
  double lowest = 90, highest = -90;
  for (double d = 0; d < prepared.CourseLength; d += 0.5) {
    const CameraValues camera = RideCamera(RidePoseAt(prepared, d), CameraValues{});
    const double pitch = camera.elevation > 180 ? camera.elevation - 360 : camera.elevation;
    lowest = std::min(lowest, pitch);
    highest = std::max(highest, pitch);
  }
  EXPECT_LT(lowest, -1);
  EXPECT_GT(highest, 1);
}

TEST(RideCamera, TheLapWrapsAndTheDefaultSpeedCrossesTheNewCourseInTenSeconds) {
  const PreparedCourse prepared = Prepared(NewCourse());
  const RidePose start = RidePoseAt(prepared, 1.5);
  for (double laps : {1.0, -1.0, 3.0}) {
    EXPECT_NEAR(Distance(RidePoseAt(prepared, 1.5 + laps * prepared.CourseLength).eye, start.eye),
                0, 1e-6);
  }
  EXPECT_NEAR(Distance(RidePoseAt(prepared, 0).centre, prepared.CentreCurve.Span(1).Samples[0]), 0,
              1e-9);
  EXPECT_NEAR(RideSpeed(1) * kRideLapSeconds, prepared.CourseLength, prepared.CourseLength / 100);
  EXPECT_DOUBLE_EQ(RideSpeed(2), 2 * RideSpeed(1));
  // A distance that is not a number gives a pose all the same, never a crash.
  EXPECT_EQ(RidePoseAt(PreparedCourse{}, 3).eye, Vec3{});
  EXPECT_EQ(RidePoseAt(prepared, std::nan("")).eye, Vec3{});
}

}  // namespace
}  // namespace kurvex
