#include "preview/problem_markers.h"

#include <algorithm>
#include <cmath>

#include "geometry/cgl_geometry.h"
#include "preview/view_projection.h"

namespace kurvex {

namespace {

constexpr int kRingSides = 24;

double Dot(const Vec3& a, const Vec3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

// A circle facing the eye, the same size on the screen near and far.
void DrawRing(DrawTarget& gl, const CameraValues& camera, const Vec3& centre, float width) {
  const Vec3 eye{camera.x, camera.y, camera.z};
  const Vec3 forward = ViewToWorld(camera, {0, 0, -1});
  const double depth = Dot(centre - eye, forward);
  if (!(depth > kNearPlane && depth < kFarPlane)) return;
  const double radius = 2 * depth * std::tan(DegToRad(kFieldOfView / 2)) * kRingRadius;
  const Vec3 right = ViewToWorld(camera, {radius, 0, 0});
  const Vec3 up = ViewToWorld(camera, {0, radius, 0});
  gl.DrawSubLineLoop(width);
  for (int k = 0; k < kRingSides; ++k) {
    const double a = 2 * M_PI * k / kRingSides;
    const Vec3 p = centre + right * std::cos(a) + up * std::sin(a);
    gl.Vertex(p.x, p.y, p.z);
  }
  gl.EndSub();
}

void DrawSpan(DrawTarget& gl, const PreparedCourse& prepared, int span) {
  const std::vector<Vec3>& samples = prepared.CentreCurve.Span(span).Samples;
  gl.DrawSubLines(5.0f);
  for (size_t k = 1; k < samples.size(); ++k) {
    gl.Vertex(samples[k - 1].x, samples[k - 1].y, samples[k - 1].z);
    gl.Vertex(samples[k].x, samples[k].y, samples[k].z);
  }
  gl.EndSub();
}

}  // namespace

ProblemMarks MarksOf(const std::vector<CourseProblem>& problems) {
  ProblemMarks marks;
  for (const CourseProblem& problem : problems) {
    if (problem.point <= 0) continue;
    marks.points.push_back(problem.point);
    if (problem.rule == "ek-chord-length") marks.short_spans.push_back(problem.point);
  }
  for (std::vector<int>* list : {&marks.points, &marks.short_spans}) {
    std::sort(list->begin(), list->end());
    list->erase(std::unique(list->begin(), list->end()), list->end());
  }
  return marks;
}

void DrawProblemMarks(DrawTarget& gl, const Course& course, const PreparedCourse& prepared,
                      const CameraValues& camera, const ProblemMarks& marks, int current_point) {
  const int count = std::min<int>(course.PointCount, kMaxPoints);
  // The marks of the last settled step may name points that a drag has since removed.
  if (IsPreparedFor(prepared, course)) {
    gl.DrawColor(kShortSpan.r, kShortSpan.g, kShortSpan.b, 255);
    for (int span : marks.short_spans) {
      if (span >= 1 && span <= count) DrawSpan(gl, prepared, span);
    }
  }
  for (int point : marks.points) {
    if (point < 1 || point > count) continue;
    const bool current = point == current_point;
    const MarkerColour& colour = current ? kCurrentProblemRing : kProblemRing;
    gl.DrawColor(colour.r, colour.g, colour.b, 255);
    DrawRing(gl, camera, CtlPointPosition(course, point), current ? 4.0f : 2.5f);
  }
}

}  // namespace kurvex
