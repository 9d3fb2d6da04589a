#include "geometry/texture_offsets.h"

#include "geometry/surface_kind.h"
#include "geometry/zone_builder.h"

namespace kurvex {

namespace {

void Grow(const PreparedCourse& prepared, int m, double factor, TexOffset& offset) {
  offset[0] += factor * prepared.LeftEdgeCurve.Span(m).Length;
  offset[1] += factor * prepared.MidCurve.Span(m).Length;
  offset[2] += factor * prepared.RightEdgeCurve.Span(m).Length;
}

}  // namespace

TexOffset SurfaceTexOffset(const Course& course, const PreparedCourse& prepared, int i) {
  int first = i;  // the first span of the run of equal codes that ends at i
  while (first > 1 && course.Points[first - 1].TrackCode == course.Points[first].TrackCode) {
    --first;
  }
  TexOffset offset = {0, 0, 0};
  for (int m = first; m < i; ++m) {
    Grow(prepared, m, TextureLengthFactor(course, course.Points[m].TrackCode), offset);
  }
  return offset;
}

TexOffset ZoneTexOffset(const PreparedCourse& prepared, int i) {
  TexOffset offset = {0, 0, 0};
  for (int m = 1; m < i; ++m) Grow(prepared, m, kZoneTextureFactor, offset);
  return offset;
}

}  // namespace kurvex
