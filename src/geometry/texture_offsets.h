#pragma once
// Where the texture coordinate v of a span starts. The surface texture runs on from span to
// span while the TrackCode stays the same and restarts at 0 where it changes (and at point 1);
// the zone texture runs on around the whole course. Both depend only on the prepared geometry,
// so rebuilding a single span gives it exactly the coordinates of a full rebuild.

#include "course/course.h"
#include "geometry/cross_section.h"
#include "geometry/prepared_course.h"

namespace kurvex {

TexOffset SurfaceTexOffset(const Course& course, const PreparedCourse& prepared, int i);
TexOffset ZoneTexOffset(const PreparedCourse& prepared, int i);

}  // namespace kurvex
