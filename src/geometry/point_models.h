#pragma once
// Places the gate, decorations and structures of one CTL point, each from its model list.
// Drawn every frame, not recorded into a list.

#include "course/course.h"
#include "geometry/draw_target.h"
#include "geometry/feature_switches.h"
#include "geometry/model_lists.h"
#include "geometry/prepared_course.h"

namespace kurvex {

// The venue's skyscraper texture.
TextureRef VenueStructureTexture(int venue);

// animation_time: the preview clock in seconds; the spinning billboards and the monitor drum
// turn at 180 degrees per second. The course must have been prepared.
void DrawPointModels(int i, const Course& course, const PreparedCourse& prepared,
                     const ModelListTable& models, const PropSwitches& switches,
                     double animation_time, DrawTarget& gl);

}  // namespace kurvex
