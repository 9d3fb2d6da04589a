#include "preview/frame_motion.h"

#include <algorithm>

#include "preview/sky.h"

namespace kurvex {

namespace {

constexpr int kBigBlue = 2, kFireField = 8;  // venues whose floor drifts
constexpr uint8_t kSpinningBillboard = 3, kOverheadMonitors = 4;

int Points(const Course& course) { return std::min<int>(course.PointCount, kMaxPoints); }

bool AnySpanBlinks(const Course& course) {
  for (int i = 1; i <= Points(course); ++i) {
    if (course.Points[i].TrackCode == kNoTrackCode) return true;
  }
  return false;
}

bool AnyModelTurns(const Course& course, const GraphicsSettings& settings) {
  for (int i = 1; i <= Points(course); ++i) {
    const uint8_t decoration = course.Decoration[i];
    if ((decoration == kSpinningBillboard && settings.features[kShowSpinningBillboards]) ||
        (decoration == kOverheadMonitors && settings.features[kShowOverheadMonitors])) {
      return true;
    }
  }
  return false;
}

}  // namespace

FrameMotion MotionOf(const Course& course, const GraphicsSettings& settings, bool course_loaded) {
  const bool floor_drifts =
      settings.venue_floor && (course.Venue == kBigBlue || course.Venue == kFireField);
  const bool night_lights =
      settings.horizon_images && course.Sky == kNightSky && course.HorizonCount > 0;
  if ((settings.red_blinkers && AnySpanBlinks(course)) || floor_drifts || night_lights ||
      AnyModelTurns(course, settings)) {
    return FrameMotion::kAnimated;
  }
  const bool marker = settings.lines[kLineCtlDots].enabled && course_loaded;
  return marker ? FrameMotion::kMarker : FrameMotion::kStill;
}

}  // namespace kurvex
