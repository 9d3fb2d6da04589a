#pragma once
// The course-wide line overlays: the four curves, a line across the track at every CTL point
// and a dot on every CTL point.

#include "course/course.h"
#include "geometry/draw_target.h"
#include "geometry/prepared_course.h"

namespace kurvex {

enum LineList : int {
  kGameDataSpline = 0,  // centre curve
  kLeftSideSpline = 1,
  kRightSideSpline = 2,
  kCenterSpline = 3,  // mid curve
  kSegmentLines = 4,
  kCtlPointDots = 5,
};
constexpr int kLineListCount = 6;

// Records line list n into the list that is open.
void RecordLineList(int n, const Course& course, const PreparedCourse& prepared, DrawTarget& gl);

}  // namespace kurvex
