#include "editing/drag_pads.h"

#include <algorithm>
#include <cmath>

#include "editing/point_edits.h"

namespace kurvex {

namespace {

// Clamped before the conversion: a fast drag must not wrap around the int32 range.
int32_t DraggedWidth(int32_t width, double change) {
  return static_cast<int32_t>(std::clamp(std::nearbyint(width + change), 50.0, 1950.0));
}

}  // namespace

void ApplyDrag(Course& course, int i, DragPad pad, double dx, double dy, double drag_speed,
               const Extremes& extremes) {
  CtlPoint& p = course.Points[i];
  // Widths move at least one stored unit per pad unit, banking at least one degree.
  const double width_speed = std::max(drag_speed, 1.0);
  switch (pad) {
    case kPadXZ:
      p.X = static_cast<float>(extremes.Clamp(kAxisX, p.X - drag_speed * dx));
      p.Z = static_cast<float>(extremes.Clamp(kAxisZ, p.Z - drag_speed * dy));
      break;
    case kPadY:
      p.Y = static_cast<float>(extremes.Clamp(kAxisY, p.Y + drag_speed * dy));
      break;
    case kPadLeftWidth:
      p.LeftWidth = DraggedWidth(p.LeftWidth, width_speed * dx);
      break;
    case kPadRightWidth:
      p.RightWidth = DraggedWidth(p.RightWidth, -width_speed * dx);
      break;
    case kPadBanking: {
      const double banking = course.Banking[i] - std::max(drag_speed / 10, 1.0) * dx;
      if (std::isfinite(banking)) course.Banking[i] = NormaliseBanking(banking);
      break;
    }
  }
}

void ApplyPreviewDrag(Course& course, int i, const Vec3& step, bool vertically,
                      const Extremes& extremes) {
  constexpr double kCourseUnitsPerPreviewUnit = 1000;
  CtlPoint& p = course.Points[i];
  if (vertically) {
    p.Y = static_cast<float>(extremes.Clamp(kAxisY, p.Y + step.y * kCourseUnitsPerPreviewUnit));
  } else {
    p.X = static_cast<float>(extremes.Clamp(kAxisX, p.X + step.x * kCourseUnitsPerPreviewUnit));
    p.Z = static_cast<float>(extremes.Clamp(kAxisZ, p.Z + step.z * kCourseUnitsPerPreviewUnit));
  }
}

void DragTracker::Down(DragPad pad, double x, double y) {
  active_ = pad;
  last_x_ = x;
  last_y_ = y;
}

bool DragTracker::Move(DragPad pad, double x, double y, double* dx, double* dy) {
  if (active_ != pad) return false;
  *dx = last_x_ - x;
  *dy = last_y_ - y;
  last_x_ = x;
  last_y_ = y;
  return true;
}

bool DragTracker::Up(DragPad pad) {
  if (active_ != pad) return false;
  active_ = 0;
  return true;
}

}  // namespace kurvex
