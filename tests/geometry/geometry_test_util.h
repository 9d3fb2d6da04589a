#pragma once
// Shared helpers of the geometry tests.

#include <gtest/gtest.h>

#include "course/course.h"
#include "geometry/prepared_course.h"
#include "geometry/vec3.h"
#include "recording_draw_target.h"

namespace kurvex {

inline PreparedCourse Prepare(const Course& course, double segment_distance = 0.25) {
  PreparedCourse prepared;
  EXPECT_EQ(PrepareCourse(course, segment_distance, prepared), 0);
  return prepared;
}

inline Vec3 CtlPosition(const Course& course, int i) {
  return {course.Points[i].X / 1000.0, course.Points[i].Y / 1000.0, course.Points[i].Z / 1000.0};
}

#define EXPECT_VEC_NEAR(actual, expected, tolerance)                                            \
  do {                                                                                          \
    const ::kurvex::Vec3 a_ = (actual), e_ = (expected);                                        \
    EXPECT_LT(::kurvex::Distance(a_, e_), tolerance)                                            \
        << "actual (" << a_.x << ", " << a_.y << ", " << a_.z << ") expected (" << e_.x << ", " \
        << e_.y << ", " << e_.z << ")";                                                         \
  } while (0)

// Records one list with a builder and returns its name.
template <typename Builder>
int32_t RecordList(RecordingDrawTarget& gl, Builder build) {
  const int32_t name = gl.DisplayListBegin();
  build();
  gl.DisplayListEnd();
  return name;
}

}  // namespace kurvex
