#include "editing/extremes.h"

#include <algorithm>

#include "course/validate.h"

namespace kurvex {

double Extremes::Clamp(Axis axis, double value) const {
  // Minimum first, then maximum, so a flattened box wins.
  if (value < min[axis]) value = min[axis];
  if (value > max[axis]) value = max[axis];
  return value;
}

void SetExtreme(Extremes& extremes, Axis axis, bool maximum, double shown_value) {
  const double stored = shown_value * 10;
  if (maximum) {
    extremes.max[axis] = std::max(std::min(stored, kHardMax[axis]), extremes.min[axis]);
  } else {
    extremes.min[axis] = std::min(std::max(stored, kHardMin[axis]), extremes.max[axis]);
  }
}

float& Coordinate(CtlPoint& point, Axis axis) {
  return axis == kAxisX ? point.X : axis == kAxisY ? point.Y : point.Z;
}

float Coordinate(const CtlPoint& point, Axis axis) {
  return axis == kAxisX ? point.X : axis == kAxisY ? point.Y : point.Z;
}

void RePosition(Course& course, const Extremes& extremes) {
  for (int i = 1; i <= course.PointCount; ++i) {
    for (Axis axis : {kAxisX, kAxisY, kAxisZ}) {
      float& value = Coordinate(course.Points[i], axis);
      value = static_cast<float>(extremes.Clamp(axis, value));
    }
  }
  ValidateCourse(course);
}

void ReExtreme(Course& course, Extremes& extremes) {
  for (Axis axis : {kAxisX, kAxisY, kAxisZ}) {
    double low = Coordinate(course.Points[1], axis), high = low;
    for (int i = 2; i <= course.PointCount; ++i) {
      low = std::min<double>(low, Coordinate(course.Points[i], axis));
      high = std::max<double>(high, Coordinate(course.Points[i], axis));
    }
    low = std::max(low, kHardMin[axis]);
    high = std::min(high, kHardMax[axis]);
    extremes.min[axis] = std::min(extremes.min[axis], low);
    extremes.max[axis] = std::max(extremes.max[axis], high);
  }
  RePosition(course, extremes);
}

}  // namespace kurvex
