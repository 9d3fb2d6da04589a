#pragma once

#include "course/course.h"

namespace kurvex {

// Brings a freshly decoded or read course into range: music, venue and sky, separates
// coincident points, clamps widths and features, horizons, normalises the texts for the ROM
// and enforces the track junction rule. Expects 4 <= PointCount <= 64.
void ValidateCourse(Course& course);

// Only Normal, no-track or same-type segments may meet; a point that breaks the rule becomes
// Normal with texture 2. The closing junction (last point to point 1) is checked first, against
// the last point's type before the pass, and changes point 1.
void FixTrackJunctions(Course& course);

}  // namespace kurvex
