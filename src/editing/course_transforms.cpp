#include "editing/course_transforms.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <vector>

#include "editing/edit_result.h"
#include "editing/point_edits.h"
#include "geometry/cgl_geometry.h"

namespace kurvex {

namespace {

struct Box {
  double min[3], max[3];
  double Middle(Axis axis) const { return (min[axis] + max[axis]) / 2; }
};

Box BoundingBox(const Course& course) {
  Box box;
  for (Axis axis : {kAxisX, kAxisY, kAxisZ}) {
    box.min[axis] = box.max[axis] = Coordinate(course.Points[1], axis);
    for (int i = 2; i <= course.PointCount; ++i) {
      box.min[axis] = std::min<double>(box.min[axis], Coordinate(course.Points[i], axis));
      box.max[axis] = std::max<double>(box.max[axis], Coordinate(course.Points[i], axis));
    }
  }
  return box;
}

// A computed coordinate as stored: beyond the float range it is held at the range's end (the
// extremes bring it in afterwards), where a plain conversion would be undefined.
float Stored(double value) {
  return static_cast<float>(std::clamp(value, double{-FLT_MAX}, double{FLT_MAX}));
}

void Shift(Course& course, const double (&by)[3]) {
  for (int i = 1; i <= course.PointCount; ++i) {
    for (Axis axis : {kAxisX, kAxisY, kAxisZ}) {
      float& value = Coordinate(course.Points[i], axis);
      value = Stored(value + by[axis]);
    }
  }
}

// (u, v) turned by theta in their plane.
void Turn(double& u, double& v, double theta) {
  const double turned_u = u * std::cos(theta) - v * std::sin(theta);
  v = u * std::sin(theta) + v * std::cos(theta);
  u = turned_u;
}

double Distance(const CtlPoint& a, const CtlPoint& b) {
  return std::sqrt(double{a.X - b.X} * (a.X - b.X) + double{a.Y - b.Y} * (a.Y - b.Y) +
                   double{a.Z - b.Z} * (a.Z - b.Z));
}

}  // namespace

void CenterTrack(Course& course, Extremes& extremes) {
  const Box box = BoundingBox(course);
  const double by[3] = {(extremes.min[kAxisX] + extremes.max[kAxisX]) / 2 - box.Middle(kAxisX),
                        -box.min[kAxisY],
                        (extremes.min[kAxisZ] + extremes.max[kAxisZ]) / 2 - box.Middle(kAxisZ)};
  Shift(course, by);
  ReExtreme(course, extremes);
}

void TranslateCourse(Course& course, Extremes& extremes, double x, double y, double z) {
  Shift(course, {x * 10, y * 10, z * 10});
  ReExtreme(course, extremes);
}

void RotateCourse(Course& course, Extremes& extremes, double azimuth, double elevation,
                  double skew) {
  const double a = -azimuth * kRadiansPerDegree, e = -elevation * kRadiansPerDegree,
               s = skew * kRadiansPerDegree;
  const Box box = BoundingBox(course);
  for (int i = 1; i <= course.PointCount; ++i) {
    CtlPoint& p = course.Points[i];
    double x = p.X - box.Middle(kAxisX), y = p.Y - box.Middle(kAxisY), z = p.Z - box.Middle(kAxisZ);
    Turn(x, z, a);
    Turn(z, y, e);
    Turn(x, y, s);
    p.X = Stored(x + box.Middle(kAxisX));
    p.Y = Stored(y + box.Middle(kAxisY));
    p.Z = Stored(z + box.Middle(kAxisZ));
  }
  ReExtreme(course, extremes);
}

int16_t ScaleCourse(Course& course, Extremes& extremes, double factor, bool scale_width) {
  if (!(factor > 0)) return kEditBadFactor;
  for (int i = 1; i <= course.PointCount; ++i) {
    CtlPoint& p = course.Points[i];
    p.X = Stored(p.X * factor);
    p.Y = Stored(p.Y * factor);
    p.Z = Stored(p.Z * factor);
    if (scale_width) {
      // Within int32 whatever the factor; validation clamps to the allowed widths.
      p.LeftWidth = static_cast<int32_t>(std::min(std::nearbyint(p.LeftWidth * factor), 1e9));
      p.RightWidth = static_cast<int32_t>(std::min(std::nearbyint(p.RightWidth * factor), 1e9));
    }
  }
  ReExtreme(course, extremes);
  return kEditOk;
}

int16_t LineUp(Course& course, int from, int to, bool equidistant) {
  const int count = course.PointCount;
  if (from == to || from < 1 || to < 1 || from > count || to > count) return kEditUnchanged;
  const int n = to > from ? to - from - 1 : count - from - 1 + to;
  if (n == 0) return kEditUnchanged;
  auto nth_after = [&](int k) { return (from - 1 + k) % count + 1; };
  std::vector<double> walked(n + 2, 0.0);  // walked[k]: polygon length from `from` to k-th
  for (int k = 1; k <= n + 1; ++k) {
    walked[k] =
        walked[k - 1] + Distance(course.Points[nth_after(k - 1)], course.Points[nth_after(k)]);
  }
  const CtlPoint start = course.Points[from], end = course.Points[to];
  for (int k = 1; k <= n; ++k) {
    double f = double(k) / (n + 1);
    if (!equidistant) f = walked[n + 1] > 0 ? walked[k] / walked[n + 1] : f;
    CtlPoint& p = course.Points[nth_after(k)];
    p.X = static_cast<float>(start.X + (double{end.X} - start.X) * f);
    p.Y = static_cast<float>(start.Y + (double{end.Y} - start.Y) * f);
    p.Z = static_cast<float>(start.Z + (double{end.Z} - start.Z) * f);
  }
  return kEditOk;
}

}  // namespace kurvex
