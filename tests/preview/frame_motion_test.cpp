#include "preview/frame_motion.h"

#include <gtest/gtest.h>

#include "course/new_course.h"
#include "test_courses.h"

namespace kurvex {
namespace {

// A course in which nothing moves by itself: road everywhere, no turning models, a venue
// whose floor stays, a day sky.
Course StillCourse() {
  Course course = test::RingCourse(8);
  course.Venue = 0;
  course.Sky = 0;
  course.HorizonCount = 2;
  for (int i = 1; i <= course.PointCount; ++i) {
    course.Points[i].TrackCode = i == 1 ? 0 : 1;
    course.Decoration[i] = 0;  // TV billboards stand still
  }
  return course;
}

GraphicsSettings WithoutDots() {
  GraphicsSettings settings;
  settings.lines[kLineCtlDots].enabled = false;
  return settings;
}

TEST(FrameMotion, AStillCourseNeedsNoFramesAndTheMarkerOnlyAFew) {
  EXPECT_EQ(MotionOf(StillCourse(), WithoutDots(), true), FrameMotion::kStill);
  EXPECT_EQ(MotionOf(StillCourse(), GraphicsSettings(), true), FrameMotion::kMarker);
  EXPECT_EQ(MotionOf(StillCourse(), GraphicsSettings(), false), FrameMotion::kStill);
  EXPECT_EQ(MotionOf(NewCourse(), GraphicsSettings(), true), FrameMotion::kMarker);
}

TEST(FrameMotion, BlinkingSpansAnimateOnlyWhileRedBlinkersShow) {
  Course course = StillCourse();
  course.Points[5].TrackCode = kNoTrackCode;
  GraphicsSettings settings = WithoutDots();
  EXPECT_EQ(MotionOf(course, settings, true), FrameMotion::kAnimated);
  settings.red_blinkers = false;
  EXPECT_EQ(MotionOf(course, settings, true), FrameMotion::kStill);
  // A point beyond the course's count is not drawn.
  course = StillCourse();
  course.Points[course.PointCount + 1].TrackCode = kNoTrackCode;
  EXPECT_EQ(MotionOf(course, WithoutDots(), true), FrameMotion::kStill);
}

TEST(FrameMotion, TheFloorDriftsOnBigBlueAndFireField) {
  for (int venue = 0; venue <= 10; ++venue) {
    Course course = StillCourse();
    course.Venue = static_cast<uint8_t>(venue);
    const bool drifts = venue == 2 || venue == 8;
    EXPECT_EQ(MotionOf(course, WithoutDots(), true),
              drifts ? FrameMotion::kAnimated : FrameMotion::kStill)
        << venue;
    GraphicsSettings no_floor = WithoutDots();
    no_floor.venue_floor = false;
    EXPECT_EQ(MotionOf(course, no_floor, true), FrameMotion::kStill) << venue;
  }
}

TEST(FrameMotion, TheNightHorizonsLightsCycle) {
  Course course = StillCourse();
  course.Sky = 4;
  EXPECT_EQ(MotionOf(course, WithoutDots(), true), FrameMotion::kAnimated);
  GraphicsSettings no_horizon = WithoutDots();
  no_horizon.horizon_images = false;
  EXPECT_EQ(MotionOf(course, no_horizon, true), FrameMotion::kStill);
  course.HorizonCount = 0;
  EXPECT_EQ(MotionOf(course, WithoutDots(), true), FrameMotion::kStill);
}

TEST(FrameMotion, SpinningBillboardsAndMonitorsTurnWhileShown) {
  for (auto [decoration, feature] :
       {std::pair{3, kShowSpinningBillboards}, std::pair{4, kShowOverheadMonitors}}) {
    Course course = StillCourse();
    course.Decoration[6] = static_cast<uint8_t>(decoration);
    GraphicsSettings settings = WithoutDots();
    EXPECT_EQ(MotionOf(course, settings, true), FrameMotion::kAnimated) << decoration;
    settings.features[feature] = false;
    EXPECT_EQ(MotionOf(course, settings, true), FrameMotion::kStill) << decoration;
  }
  // Flags do not move.
  Course flags = StillCourse();
  flags.Decoration[2] = 1;
  flags.Decoration[3] = 2;
  EXPECT_EQ(MotionOf(flags, WithoutDots(), true), FrameMotion::kStill);
}

}  // namespace
}  // namespace kurvex
