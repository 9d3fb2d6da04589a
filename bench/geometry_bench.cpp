// PrepareCourse and BuildAllLists on a 64-point course with every track type and feature, at
// the default segment distance and at the finest one. Together they run after every edit.

#include <benchmark/benchmark.h>

#include <cstdint>

#include "counting_draw_target.h"
#include "geometry/course_lists.h"
#include "geometry/prepared_course.h"
#include "test_courses.h"

namespace kurvex {
using test::CountingDrawTarget;
using test::FullFeatureCourse;

namespace {

double DistanceArg(const benchmark::State& state) { return state.range(0) / 100.0; }

void BM_PrepareCourse(benchmark::State& state) {
  const Course course = FullFeatureCourse();
  PreparedCourse prepared;
  for (auto _ : state) {
    PrepareCourse(course, DistanceArg(state), prepared);
    benchmark::DoNotOptimize(prepared.CourseLength);
  }
}

void BM_BuildAllLists(benchmark::State& state) {
  const Course course = FullFeatureCourse();
  PreparedCourse prepared;
  PrepareCourse(course, DistanceArg(state), prepared);
  CountingDrawTarget gl;
  CourseDisplayLists lists;
  lists.BuildModelLists(gl);
  for (auto _ : state) {
    lists.BuildAllLists(course, prepared, FeatureSwitches(), gl);
  }
  state.counters["vertices/build"] =
      static_cast<double>(gl.vertices()) / static_cast<double>(state.iterations());
}

void BM_EditCycle(benchmark::State& state) {
  const Course course = FullFeatureCourse();
  PreparedCourse prepared;
  CountingDrawTarget gl;
  CourseDisplayLists lists;
  lists.BuildModelLists(gl);
  for (auto _ : state) {
    PrepareCourse(course, DistanceArg(state), prepared);
    lists.BuildAllLists(course, prepared, FeatureSwitches(), gl);
    lists.BuildLineLists(course, prepared, gl);
  }
}

// Argument: segment distance in hundredths of a preview unit.
BENCHMARK(BM_PrepareCourse)->Arg(25)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BuildAllLists)->Arg(25)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EditCycle)->Arg(25)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kurvex
