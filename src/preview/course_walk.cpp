#include "preview/course_walk.h"

#include <cmath>

#include "geometry/point_models.h"
#include "preview/settings_switches.h"
#include "preview/sky.h"

namespace kurvex {

namespace {

int Level(double component) { return static_cast<int>(std::nearbyint(component)); }

void DrawSpans(DrawTarget& gl, const CourseWalkInputs& in, int count,
               CourseWalkListener& listener) {
  const CourseDisplayLists& lists = in.lists;
  const int blink = Level(Blink(in.animation_time));
  for (int i = 1; i <= count; ++i) {
    const bool no_track = in.course.Points[i].TrackCode == kNoTrackCode;
    gl.DrawColor(blink, 0, 0, 255);
    if (in.settings.track_surface && !no_track) {
      listener.PartBegin(i, CoursePart::kSurface);
      gl.DisplayListCall(lists.SurfaceLists(i));
    }
    // The surface list of a span without track records no colour: the blinker's red shows.
    gl.DrawColor(blink, 0, 0, 255);
    if (in.settings.red_blinkers && no_track) {
      listener.PartBegin(i, CoursePart::kNoTrack);
      gl.DisplayListCall(lists.SurfaceLists(i));
    }
    gl.DrawColor(blink, 0, 0, 255);
    listener.PartBegin(i, CoursePart::kZones);
    gl.DisplayListCall(lists.ZoneLists(i));
    gl.DrawColor(255, 255, 255, 255);
    listener.PartBegin(i, CoursePart::kPlates);
    gl.DisplayListCall(lists.PlateLists(i));
  }
}

void DrawModels(DrawTarget& gl, const CourseWalkInputs& in, int count,
                CourseWalkListener& listener) {
  gl.TexturesEnable();
  gl.Cull(2);
  gl.DrawColor(255, 255, 255, 255);
  if (IsPreparedFor(in.prepared, in.course)) {
    const PropSwitches props = PropSwitchesOf(in.settings);
    for (int i = 1; i <= count; ++i) {
      listener.PartBegin(i, CoursePart::kModels);
      DrawPointModels(i, in.course, in.prepared, in.lists.Models(), props, in.animation_time, gl);
    }
  }
  gl.Cull(0);
  gl.TexturesDisable();
}

void DrawExteriors(DrawTarget& gl, const CourseWalkInputs& in, int count,
                   CourseWalkListener& listener) {
  const GraphicsSettings& settings = in.settings;
  listener.ExteriorsBegin(settings.tunnel_transparency);
  gl.DrawColor(255, 255, 255, Level(255 - settings.tunnel_transparency_percent * 255.0 / 100));
  for (int i = 1; i <= count; ++i) {
    if (in.lists.ExteriorFlags(i) == 0) continue;
    listener.PartBegin(i, CoursePart::kExterior);
    gl.DisplayListCall(in.lists.ExteriorLists(i));
  }
  listener.ExteriorsEnd();
  // The exterior lists leave texturing and culling on; the guide lines and next frame's
  // background must not be textured or culled by them.
  gl.TexturesDisable();
  gl.Cull(0);
}

}  // namespace

void DrawCourseParts(DrawTarget& gl, const CourseWalkInputs& in, CourseWalkListener& listener) {
  const int count = in.course.PointCount <= kMaxPoints ? in.course.PointCount : 0;
  DrawSpans(gl, in, count, listener);
  DrawModels(gl, in, count, listener);
  if (in.settings.tunnel_exteriors) DrawExteriors(gl, in, count, listener);
}

}  // namespace kurvex
