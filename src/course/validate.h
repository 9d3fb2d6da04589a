#pragma once

#include "course/course.h"

namespace kurvex {

// Brings a freshly decoded or read course into range: music, venue and sky, separates
// coincident points, clamps widths and features, horizons, normalises the texts for the ROM
// and enforces the track junction rule. Expects 4 <= PointCount <= 64.
void ValidateCourse(Course& course);

// Raises a point 10 units to part it from a point at the same place. Where 10 units are lost to
// rounding at a huge height, the point moves one float step toward zero instead, so repeated
// separation always ends.
void LiftCoincidentPoint(CtlPoint& point);

// Only Normal, no-track or same-type segments may meet; a point that breaks the rule becomes
// Normal with texture 2. The closing junction (last point to point 1) is checked first, against
// the last point's type before the pass, and changes point 1.
void FixTrackJunctions(Course& course);

}  // namespace kurvex
