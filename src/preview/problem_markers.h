#pragma once
// The preview's marks of a course's problems: a ring round every point that has one (brighter
// round the current point), and the spans whose points lie too close together drawn in a
// warning colour along the centre line. Drawn over everything, like the guide lines.

#include <vector>

#include "course/course.h"
#include "editing/course_problems.h"
#include "geometry/draw_target.h"
#include "geometry/prepared_course.h"
#include "preview/camera.h"

namespace kurvex {

struct ProblemMarks {
  std::vector<int> points;       // each point with a problem, once, in order
  std::vector<int> short_spans;  // the first points of the spans that are too short
};

// Magenta reads on every venue's floor and sky; the warning orange on every road.
struct MarkerColour {
  int r, g, b;
};
constexpr MarkerColour kProblemRing = {200, 0, 200};
constexpr MarkerColour kCurrentProblemRing = {255, 96, 255};
constexpr MarkerColour kShortSpan = {255, 150, 0};
// The ring's radius as a fraction of the view's height, whatever the distance.
constexpr double kRingRadius = 0.03;

ProblemMarks MarksOf(const std::vector<CourseProblem>& problems);

void DrawProblemMarks(DrawTarget& gl, const Course& course, const PreparedCourse& prepared,
                      const CameraValues& camera, const ProblemMarks& marks, int current_point);

}  // namespace kurvex
