#pragma once
// Owns the display lists of the course and of the prop models, by name (0 for none), and
// rebuilds them through a DrawTarget: every rebuild deletes the slot's old list first, so no
// list is ever leaked, and any single span can be rebuilt on its own.

#include <array>
#include <bitset>
#include <cstdint>

#include "course/course.h"
#include "geometry/draw_target.h"
#include "geometry/feature_switches.h"
#include "geometry/line_lists.h"
#include "geometry/model_lists.h"
#include "geometry/prepared_course.h"

namespace kurvex {

class CourseDisplayLists {
 public:
  // Per CTL point, 1..64.
  int32_t SurfaceLists(int i) const { return surface_lists_[i]; }
  int16_t ExteriorFlags(int i) const { return exterior_flags_[i]; }  // -1 with an exterior
  int32_t ExteriorLists(int i) const { return exterior_lists_[i]; }
  int32_t ZoneLists(int i) const { return zone_lists_[i]; }
  int32_t PlateLists(int i) const { return plate_lists_[i]; }
  // 0..5, see LineList.
  int32_t LineLists(int n) const { return line_lists_[n]; }
  const ModelListTable& Models() const { return models_; }

  // The 17 model lists; the plate lists refer to them, so they come first.
  void BuildModelLists(DrawTarget& gl);

  // Surfaces and exteriors of every span, then zones, then plates; lists of points beyond the
  // course's point count are deleted. The line lists are built separately.
  int16_t BuildAllLists(const Course& course, const PreparedCourse& prepared,
                        const FeatureSwitches& switches, DrawTarget& gl);
  int16_t BuildSpanSurface(const Course& course, const PreparedCourse& prepared, int i,
                           DrawTarget& gl);
  int16_t BuildSpanZones(const Course& course, const PreparedCourse& prepared,
                         const FeatureSwitches& switches, int i, DrawTarget& gl);
  int16_t BuildSpanPlates(const Course& course, const PreparedCourse& prepared,
                          const FeatureSwitches& switches, int i, DrawTarget& gl);
  int16_t BuildLineLists(const Course& course, const PreparedCourse& prepared, DrawTarget& gl);
  // After a change of the given points only: the line lists, and the surfaces, zones and
  // plates of the spans whose shape those points reach, for following a drag; a full build
  // afterwards brings the texture coordinates of the spans further on up to date.
  int16_t RebuildNear(const Course& course, const PreparedCourse& prepared,
                      const FeatureSwitches& switches, const std::bitset<kMaxPoints + 2>& points,
                      DrawTarget& gl);
  // The zones and plates of every span, after a feature switch changed.
  int16_t RebuildFeatures(const Course& course, const PreparedCourse& prepared,
                          const FeatureSwitches& switches, DrawTarget& gl);

  // Deletes every list this object names and sets the names to 0.
  void DeleteAll(DrawTarget& gl);

 private:
  static int16_t Check(const Course& course, const PreparedCourse& prepared, int i);
  static void Delete(int32_t& name, DrawTarget& gl);
  static void Begin(int32_t& name, DrawTarget& gl);
  void DeletePointLists(int i, DrawTarget& gl);

  PointArray<int32_t> surface_lists_{};
  PointArray<int16_t> exterior_flags_{};
  PointArray<int32_t> exterior_lists_{};
  PointArray<int32_t> zone_lists_{};
  PointArray<int32_t> plate_lists_{};
  std::array<int32_t, kLineListCount> line_lists_{};
  ModelListTable models_;
};

}  // namespace kurvex
