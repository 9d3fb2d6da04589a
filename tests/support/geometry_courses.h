#pragma once
// Courses for the geometry tests and benchmarks.

#include <cstdint>

#include "course/course.h"

namespace kurvex {

// A level, unbanked ring of n points on a circle of `radius` course units around the origin,
// travelling from +x toward +z (so the right edge lies inside), every point Normal with
// texture 2, no features.
Course RingCourse(int n, float radius, int32_t width = 260);

// Sets point i to a track code and the matching flags.
void SetTrackCode(Course& course, int i, int32_t track_code);

// 64 points with hills and banking, every track type and texture group, and every zone,
// plate, gate, decoration and structure somewhere.
Course FullFeatureCourse();

}  // namespace kurvex
