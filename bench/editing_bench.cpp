// One edit of a 64-point course with the preparation every edit runs, and its undo and redo;
// one step of a drag pad with what the preview rebuilds after it; the problem list that the
// Problems window refreshes after every settled step.
#include <benchmark/benchmark.h>

#include <bitset>
#include <cmath>

#include "counting_draw_target.h"
#include "course/new_course.h"
#include "course/track_type.h"
#include "editing/course_document.h"
#include "editing/course_problems.h"
#include "geometry/course_lists.h"
#include "test_courses.h"

namespace kurvex {
namespace {

Course FullCourse() {
  Course course = NewCourse();
  course.PointCount = 64;
  for (int i = 1; i <= 64; ++i) {
    const double a = 2 * M_PI * (i - 1) / 64;
    course.Points[i] = {static_cast<float>(12000 * std::sin(a)),
                        static_cast<float>(500 + 400 * std::sin(3 * a)),
                        static_cast<float>(-12000 * std::cos(a)),
                        300,
                        300,
                        0x1800,
                        2};
    course.Banking[i] = (i * 7) % 360;
    course.DashPlate[i] = i % 3 == 0 ? 0 : kNone;
    course.Decoration[i] = i % 5 == 0 ? 1 : kNone;
  }
  for (int i = 20; i <= 24; ++i) {
    course.Points[i].TrackCode = TrackCodeFor(kTunnel, 1);
  }
  return course;
}

void BM_EditAndPrepare(benchmark::State& state) {
  CourseDocument document;
  document.Replace(FullCourse());
  document.SelectPoint(10);
  double width = 30;
  for (auto _ : state) {
    document.SetWidth(true, width);
    width = width == 30 ? 31 : 30;
  }
}
BENCHMARK(BM_EditAndPrepare)->Unit(benchmark::kMillisecond);

void BM_UndoRedo(benchmark::State& state) {
  CourseDocument document;
  document.Replace(FullCourse());
  document.SetBanking(45);
  for (auto _ : state) {
    document.Undo();
    document.Redo();
  }
}
BENCHMARK(BM_UndoRedo)->Unit(benchmark::kMillisecond);

// Arguments: the pad (1 position, 3 left width) and the segment distance in hundredths of a
// preview unit. Each step moves the pointer one pixel, back and forth.
void BM_DragStep(benchmark::State& state) {
  const auto pad = static_cast<DragPad>(state.range(0));
  const double distance = state.range(1) / 100.0;
  CourseDocument document(distance);
  document.Replace(test::FullFeatureCourse());
  document.SelectPoint(10);
  test::CountingDrawTarget gl;
  CourseDisplayLists lists;
  PreparedCourse preview;
  lists.BuildModelLists(gl);
  PrepareCourse(document.course(), distance, preview);
  lists.BuildAllLists(document.course(), preview, FeatureSwitches(), gl);
  std::bitset<kMaxPoints + 2> changed;
  document.AddListener([&changed](const DocumentChange& change) { changed |= change.points; });
  document.BeginDrag(pad, 100, 100);
  double at = 100;
  for (auto _ : state) {
    at = at == 100 ? 101 : 100;
    changed.reset();
    document.DragMove(pad, at, at);
    // What the preview does when it hears of the changed point.
    PrepareCourse(document.course(), distance, preview);
    lists.RebuildNear(document.course(), preview, FeatureSwitches(), changed, gl);
  }
  document.EndDrag(pad);
  if (!changed.any()) state.SkipWithError("the drag changed nothing");
}
BENCHMARK(BM_DragStep)
    ->ArgsProduct({{kPadXZ, kPadLeftWidth}, {25, 1}})
    ->Unit(benchmark::kMillisecond);

// Both problem lists of a 64-point course from its prepared geometry: the full-feature course
// (argument 0), and one where nearly every rule fires at every point (argument 1).
void BM_CourseProblems(benchmark::State& state) {
  Course course = test::FullFeatureCourse();
  if (state.range(0) == 1) {
    for (int i = 1; i <= course.PointCount; ++i) {
      course.Points[i].X += 15001;
      course.Points[i].Y = -1.5f;
      course.Points[i].LeftWidth = 1505;
      course.Banking[i] = 1;
      course.PitArea[i] = 3;
      course.DashPlate[i] = course.JumpPlate[i] = course.TrapField[i] = 0;
      course.Gate[i] = 0;
    }
  }
  PreparedCourse prepared;
  PrepareCourse(course, kDefaultSegmentDistance, prepared);
  size_t listed = 0;
  for (auto _ : state) {
    const std::vector<CourseProblem> problems = CourseProblems(course, prepared);
    listed = problems.size();
    benchmark::DoNotOptimize(problems.data());
  }
  state.counters["problems"] = static_cast<double>(listed);
}
BENCHMARK(BM_CourseProblems)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kurvex
