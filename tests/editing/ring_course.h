#pragma once
// Test courses: n Normal points on a flat circle.

#include <cmath>

#include "course/new_course.h"

namespace kurvex::testing {

inline Course RingCourse(int n, double radius = 5000) {
  Course course = NewCourse();
  course.PointCount = static_cast<uint8_t>(n);
  for (int i = 1; i <= n; ++i) {
    const double a = 2 * M_PI * (i - 1) / n;
    course.Points[i] = {static_cast<float>(std::round(radius * std::sin(a))), 0,
                        static_cast<float>(std::round(-radius * std::cos(a))), 260, 260, 0x1800,
                        i == 1 ? 0 : 2};
  }
  return course;
}

}  // namespace kurvex::testing
