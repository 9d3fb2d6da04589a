#include "geometry/course_lists.h"

#include "geometry/geometry_result.h"
#include "geometry/plate_builder.h"
#include "geometry/surface_builder.h"
#include "geometry/surface_kind.h"
#include "geometry/texture_offsets.h"
#include "geometry/zone_builder.h"

namespace kurvex {

int16_t CourseDisplayLists::Check(const Course& course, const PreparedCourse& prepared, int i) {
  if (course.PointCount < kMinPoints || course.PointCount > kMaxPoints) {
    return kGeometryBadPointCount;
  }
  if (!IsPreparedFor(prepared, course)) return kGeometryNotPrepared;
  if (i < 1 || i > course.PointCount) return kGeometryNoSuchPoint;
  return kGeometryOk;
}

void CourseDisplayLists::Delete(int32_t& name, DrawTarget& gl) {
  if (name != 0) gl.DisplayListDelete(name);
  name = 0;
}

void CourseDisplayLists::Begin(int32_t& name, DrawTarget& gl) {
  Delete(name, gl);
  name = gl.DisplayListBegin();
}

void CourseDisplayLists::BuildModelLists(DrawTarget& gl) {
  for (int32_t& name : models_.ModelLists) Delete(name, gl);
  for (int32_t& name : models_.PlateModelLists) Delete(name, gl);
  models_ = kurvex::BuildModelLists(gl);
}

int16_t CourseDisplayLists::BuildSpanSurface(const Course& course, const PreparedCourse& prepared,
                                             int i, DrawTarget& gl) {
  const int16_t check = Check(course, prepared, i);
  if (check != kGeometryOk) return check;
  const int32_t code = course.Points[i].TrackCode;
  const TexOffset offset = SurfaceTexOffset(course, prepared, i);

  Begin(surface_lists_[i], gl);
  const int kind = SurfaceKindOf(code);
  if (kind != kNoSurface) BuildSurface(kind, i, course, prepared, offset, gl);
  gl.DisplayListEnd();

  exterior_flags_[i] = 0;
  Begin(exterior_lists_[i], gl);
  const int exterior = ExteriorKindOf(code);
  if (exterior != kNoSurface) {
    exterior_flags_[i] = -1;
    BuildSurface(exterior, i, course, prepared, offset, gl);
  }
  gl.DisplayListEnd();
  return kGeometryOk;
}

int16_t CourseDisplayLists::BuildSpanZones(const Course& course, const PreparedCourse& prepared,
                                           const FeatureSwitches& switches, int i, DrawTarget& gl) {
  const int16_t check = Check(course, prepared, i);
  if (check != kGeometryOk) return check;
  Begin(zone_lists_[i], gl);
  BuildZones(i, course, prepared, switches, ZoneTexOffset(prepared, i), gl);
  gl.DisplayListEnd();
  return kGeometryOk;
}

int16_t CourseDisplayLists::BuildSpanPlates(const Course& course, const PreparedCourse& prepared,
                                            const FeatureSwitches& switches, int i,
                                            DrawTarget& gl) {
  const int16_t check = Check(course, prepared, i);
  if (check != kGeometryOk) return check;
  Begin(plate_lists_[i], gl);
  BuildPlates(i, course, prepared, switches, models_, gl);
  gl.DisplayListEnd();
  return kGeometryOk;
}

int16_t CourseDisplayLists::BuildAllLists(const Course& course, const PreparedCourse& prepared,
                                          const FeatureSwitches& switches, DrawTarget& gl) {
  const int16_t check = Check(course, prepared, 1);
  if (check != kGeometryOk) return check;
  const int n = course.PointCount;
  for (int i = 1; i <= n; ++i) BuildSpanSurface(course, prepared, i, gl);
  for (int i = 1; i <= n; ++i) BuildSpanZones(course, prepared, switches, i, gl);
  for (int i = 1; i <= n; ++i) BuildSpanPlates(course, prepared, switches, i, gl);
  for (int i = n + 1; i <= kMaxPoints; ++i) DeletePointLists(i, gl);
  return kGeometryOk;
}

int16_t CourseDisplayLists::BuildLineLists(const Course& course, const PreparedCourse& prepared,
                                           DrawTarget& gl) {
  const int16_t check = Check(course, prepared, 1);
  if (check != kGeometryOk) return check;
  for (int n = 0; n < kLineListCount; ++n) {
    Begin(line_lists_[n], gl);
    RecordLineList(n, course, prepared, gl);
    gl.DisplayListEnd();
  }
  return kGeometryOk;
}

void CourseDisplayLists::DeletePointLists(int i, DrawTarget& gl) {
  Delete(surface_lists_[i], gl);
  Delete(exterior_lists_[i], gl);
  exterior_flags_[i] = 0;
  Delete(zone_lists_[i], gl);
  Delete(plate_lists_[i], gl);
}

void CourseDisplayLists::DeleteAll(DrawTarget& gl) {
  for (int i = 1; i <= kMaxPoints; ++i) DeletePointLists(i, gl);
  for (int32_t& name : line_lists_) Delete(name, gl);
  for (int32_t& name : models_.ModelLists) Delete(name, gl);
  for (int32_t& name : models_.PlateModelLists) Delete(name, gl);
}

int16_t CourseDisplayLists::RebuildNear(const Course& course, const PreparedCourse& prepared,
                                        const FeatureSwitches& switches,
                                        const std::bitset<kMaxPoints + 2>& points, DrawTarget& gl) {
  const int16_t lines = BuildLineLists(course, prepared, gl);
  if (lines != kGeometryOk) return lines;
  // A moved point reshapes the four spans before it and the two after it (the curves' handles
  // and the edges' frames reach that far). Texture coordinates run on round the whole course,
  // so the spans further on may lag until the next full build.
  std::bitset<kMaxPoints + 2> spans;
  const int count = course.PointCount;
  for (int i = 1; i <= count; ++i) {
    if (!points[i]) continue;
    for (int offset = -4; offset <= 2; ++offset) {
      spans[(i - 1 + offset + 2 * count) % count + 1] = true;
    }
  }
  for (int i = 1; i <= count; ++i) {
    if (!spans[i]) continue;
    for (int16_t result : {BuildSpanSurface(course, prepared, i, gl),
                           BuildSpanZones(course, prepared, switches, i, gl),
                           BuildSpanPlates(course, prepared, switches, i, gl)}) {
      if (result != kGeometryOk) return result;
    }
  }
  return kGeometryOk;
}

int16_t CourseDisplayLists::RebuildFeatures(const Course& course, const PreparedCourse& prepared,
                                            const FeatureSwitches& switches, DrawTarget& gl) {
  for (int i = 1; i <= course.PointCount; ++i) {
    for (int16_t result : {BuildSpanZones(course, prepared, switches, i, gl),
                           BuildSpanPlates(course, prepared, switches, i, gl)}) {
      if (result != kGeometryOk) return result;
    }
  }
  return kGeometryOk;
}

}  // namespace kurvex
