#pragma once
// Courses for tests, benchmarks and fuzz seeds.

#include <cstdint>

#include "course/course.h"

namespace kurvex::test {

// A level, unbanked ring of n Normal points (texture 2) on a circle of `radius` course units
// around the origin, travelling from +x toward +z (so the right edge lies inside), in whole
// stored units, with the new course's texts and no features.
Course RingCourse(int n, float radius = 5000, int32_t width = 260);

// A valid ring (nothing ValidateCourse would change) with whole-number coordinates, heights,
// widths, textures, banking and a few features that differ for every seed.
Course SeededRingCourse(int n, int seed);

// 64 points with hills and banking, every track type and texture group, and every zone,
// plate, gate, decoration and structure somewhere.
Course FullFeatureCourse();

// Sets point i to a track code, or to a track type with texture 0, with the matching flags.
void SetTrackCode(Course& course, int i, int32_t track_code);
void SetType(Course& course, int i, int type);

// Every coordinate rounded to a multiple of unit (stored course units).
void RoundCoordinates(Course& course, float unit);

}  // namespace kurvex::test
