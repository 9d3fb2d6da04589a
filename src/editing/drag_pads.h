#pragma once
// The five drag pads of the Element Properties window: pointer movement on a pad moves the
// current point, changes a width or turns the banking. A point dragged in the preview moves by
// the same rules.

#include "course/course.h"
#include "editing/extremes.h"
#include "geometry/vec3.h"

namespace kurvex {

enum DragPad : int {
  kPadXZ = 1,
  kPadY = 2,
  kPadLeftWidth = 3,
  kPadRightWidth = 4,
  kPadBanking = 5,
};

// Applies a pointer movement (dx = last x - x, dy = last y - y, in pad units) to point i, with
// the drag speed in course units per pad unit.
void ApplyDrag(Course& course, int i, DragPad pad, double dx, double dy, double drag_speed,
               const Extremes& extremes);

// A point held in the preview and moved by `step` (preview units): across the ground, or only
// up and down when `vertically`; it stays inside the extremes.
void ApplyPreviewDrag(Course& course, int i, const Vec3& step, bool vertically,
                      const Extremes& extremes);

// Which pad is held and where the pointer was last.
class DragTracker {
 public:
  void Down(DragPad pad, double x, double y);
  // The movement since the last position, or false when this pad is not being dragged.
  bool Move(DragPad pad, double x, double y, double* dx, double* dy);
  // True when this ends the drag of this pad.
  bool Up(DragPad pad);
  bool Dragging() const { return active_ != 0; }

 private:
  int active_ = 0;
  double last_x_ = 0, last_y_ = 0;
};

}  // namespace kurvex
