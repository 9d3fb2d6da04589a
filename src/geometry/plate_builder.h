#pragma once
// The dash plates, jump plates and trap fields of a span, each a placed copy of a plate model.

#include "course/course.h"
#include "geometry/cross_section.h"
#include "geometry/draw_target.h"
#include "geometry/feature_switches.h"
#include "geometry/model_lists.h"
#include "geometry/point_along_span.h"
#include "geometry/prepared_course.h"

namespace kurvex {

enum PlateKind : int { kFlatPlates = 1, kPipePlates = 2, kCylinderPlates = 3, kHalfPipePlates = 4 };
PlateKind PlateKindOf(int32_t track_code);

// A placement on the span: the mid-curve point, the half width there and the frame angles of
// the cross-section through it.
struct PlatePlace {
  Vec3 origin;
  double half_width;
  FrameAngles angles;
};
PlatePlace PlatePlaceAt(const SpanCurves& span, double value, SpanMeasure mode);

// PushMatrix and the moves into a placement's frame: x across the track toward the right
// edge, y up, z backward along the track. The caller pops.
void EnterPlateFrame(const PlatePlace& place, DrawTarget& gl);

// Records the plates of span i into the list that is open.
void BuildPlates(int i, const Course& course, const PreparedCourse& prepared,
                 const FeatureSwitches& switches, const ModelListTable& models, DrawTarget& gl);

}  // namespace kurvex
