#pragma once

#include "course/course.h"

namespace kurvex {

extern const char kProductCaption[];  // "Kurvex: F-Zero X"

// Resets the course to the four-point new course. HeaderByte, Venue, Sky and the TrackCode of
// points 5..64 keep their values.
void ScrubFZXCourse(Course& course);

// A zeroed record put into the new-course state.
Course NewCourse();

}  // namespace kurvex
