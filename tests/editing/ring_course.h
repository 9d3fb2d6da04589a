#pragma once
// Test courses: n Normal points on a flat circle.

#include <cmath>

#include "course/new_course.h"
#include "course/track_type.h"

namespace kurvex::testing {

// Coordinates rounded to multiples of unit.
inline Course RingCourse(int n, double radius = 5000, double unit = 1) {
  Course course = NewCourse();
  course.PointCount = static_cast<uint8_t>(n);
  for (int i = 1; i <= n; ++i) {
    const double a = 2 * M_PI * (i - 1) / n;
    course.Points[i] = {static_cast<float>(std::round(radius * std::sin(a) / unit) * unit), 0,
                        static_cast<float>(std::round(-radius * std::cos(a) / unit) * unit), 260,
                        260, 0x1800, i == 1 ? 0 : 2};
  }
  return course;
}

inline void SetType(Course& course, int i, int type) {
  course.Points[i].TrackCode = TrackCodeFor(type, 0);
  course.Points[i].TrackFlags = TrackFlagsForType(type);
}

}  // namespace kurvex::testing
