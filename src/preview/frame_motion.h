#pragma once
// What in the preview moves with the animation clock, so that its owner draws frames only as
// often as the picture can change: continuously while something animates, a few times a
// second while only the selection marker cycles its colour, and not at all when the picture
// is still (until an edit, a camera move, a resize or a settings change).

#include "course/course.h"
#include "preview/graphics_settings.h"

namespace kurvex {

enum class FrameMotion {
  kStill,     // nothing changes from one frame to the next
  kMarker,    // only the selection marker's rainbow colour changes
  kAnimated,  // spans blink, the floor scrolls, the night horizon's lights cycle, models turn
};

FrameMotion MotionOf(const Course& course, const GraphicsSettings& settings, bool course_loaded);

}  // namespace kurvex
