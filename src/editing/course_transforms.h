#pragma once
// Operations on the whole course: each keeps every point inside the extremes afterwards.
// Amounts are as typed (shown units, degrees).

#include <cstdint>

#include "course/course.h"
#include "editing/extremes.h"

namespace kurvex {

// Moves the course to the middle of the extremes in X and Z and its lowest point to height 0.
void CenterTrack(Course& course, Extremes& extremes);
void TranslateCourse(Course& course, Extremes& extremes, double x, double y, double z);
// Turns the course about the middle of its bounding box.
void RotateCourse(Course& course, Extremes& extremes, double azimuth, double elevation,
                  double skew);
// Scales about the origin; kEditBadFactor (and no change) for a factor of 0 or below.
int16_t ScaleCourse(Course& course, Extremes& extremes, double factor, bool scale_width);
// Puts the points strictly between `from` and `to` (going forward round the ring) on the
// straight line between them; kEditUnchanged when there are none.
int16_t LineUp(Course& course, int from, int to, bool equidistant);

}  // namespace kurvex
