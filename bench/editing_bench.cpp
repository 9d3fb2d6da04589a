// One edit of a 64-point course with the preparation every edit runs, and its undo and redo.
#include <benchmark/benchmark.h>

#include <cmath>

#include "course/new_course.h"
#include "course/track_type.h"
#include "editing/course_document.h"

namespace kurvex {
namespace {

Course FullCourse() {
  Course course = NewCourse();
  course.PointCount = 64;
  for (int i = 1; i <= 64; ++i) {
    const double a = 2 * M_PI * (i - 1) / 64;
    course.Points[i] = {static_cast<float>(12000 * std::sin(a)),
                        static_cast<float>(500 + 400 * std::sin(3 * a)),
                        static_cast<float>(-12000 * std::cos(a)), 300, 300, 0x1800, 2};
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

}  // namespace
}  // namespace kurvex

