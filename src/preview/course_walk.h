#pragma once
// The course as one frame draws it, in the frame's order and drawing state: per CTL point the
// track surface (or, for a span without track, its red blinker), the zones and the plates; then
// the gates, decorations and structures; then the tunnel and pipe exteriors. The preview draws
// it with GL and the model export with a mesh, so both show the same course.

#include "course/course.h"
#include "geometry/course_lists.h"
#include "geometry/draw_target.h"
#include "geometry/prepared_course.h"
#include "preview/graphics_settings.h"

namespace kurvex {

enum class CoursePart { kSurface, kNoTrack, kZones, kPlates, kModels, kExterior };

// Told what the walk draws next, besides the drawing calls themselves.
class CourseWalkListener {
 public:
  virtual ~CourseWalkListener() = default;
  // Before the part of CTL point i is drawn; parts the settings hide are not announced.
  virtual void PartBegin(int /*i*/, CoursePart /*part*/) {}
  // Around the exteriors, which are see-through when `blended`.
  virtual void ExteriorsBegin(bool /*blended*/) {}
  virtual void ExteriorsEnd() {}
};

struct CourseWalkInputs {
  const Course& course;
  const PreparedCourse& prepared;
  const CourseDisplayLists& lists;
  const GraphicsSettings& settings;
  double animation_time = 0;  // seconds: the blinkers' level, the spinning models' turn
};

// Leaves culling off and texturing disabled.
void DrawCourseParts(DrawTarget& gl, const CourseWalkInputs& in, CourseWalkListener& listener);

}  // namespace kurvex
