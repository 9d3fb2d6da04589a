#pragma once
// The coordinate extremes: a box, in stored course units, that every whole-course operation
// keeps all points inside. The box never exceeds the hard limits.

#include "course/course.h"

namespace kurvex {

enum Axis : int { kAxisX = 0, kAxisY = 1, kAxisZ = 2 };

struct Extremes {
  double min[3] = {-15000, 0, -15000};
  double max[3] = {15000, 5000, 15000};

  static Extremes Defaults() { return {}; }
  double Clamp(Axis axis, double value) const;
  bool operator==(const Extremes& o) const {
    for (int a = 0; a < 3; ++a) {
      if (min[a] != o.min[a] || max[a] != o.max[a]) return false;
    }
    return true;
  }
  bool operator!=(const Extremes& o) const { return !(*this == o); }
};

constexpr double kHardMin[3] = {-20000, 0, -20000};
constexpr double kHardMax[3] = {20000, 12000, 20000};

// A typed (shown) value written into one of the six boxes, with the box rules: the value is
// kept within the hard limits and on its side of the other bound.
void SetExtreme(Extremes& extremes, Axis axis, bool maximum, double shown_value);

float& Coordinate(CtlPoint& point, Axis axis);
float Coordinate(const CtlPoint& point, Axis axis);

// Clamps every point into the extremes, then validates the course.
void RePosition(Course& course, const Extremes& extremes);
// Widens the extremes to enclose the course (within the hard limits), then RePosition.
void ReExtreme(Course& course, Extremes& extremes);

}  // namespace kurvex
