#pragma once
// The track body of one span: a tube of eight-point cross-sections along the span, joined by
// triangle strips, in the shape of the span's track type and morphing from the road shape
// where a neighbour is of another type.

#include "course/course.h"
#include "geometry/cross_section.h"
#include "geometry/draw_target.h"
#include "geometry/prepared_course.h"

namespace kurvex {

// Whether span i morphs in from its predecessor and out toward its successor. A finish
// stretch (code 0) also ends in an end zone when its successor is not a finish stretch, or
// when it is the last span: that is where the finish line is drawn.
struct Transitions {
  bool start = false;
  bool end = false;
  bool finish_line = false;
};
Transitions TransitionsOf(const Course& course, int i);

// Records span i of the given surface kind into the list that is open, with the texture
// coordinates v continuing from `offset`. The course must have been prepared.
void BuildSurface(int kind, int i, const Course& course, const PreparedCourse& prepared,
                  const TexOffset& offset, DrawTarget& gl);

}  // namespace kurvex
