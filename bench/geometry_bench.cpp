// PrepareCourse and BuildAllLists on a 64-point course with every track type and feature, at
// the default segment distance and at the finest one. Together they run after every edit.

#include <benchmark/benchmark.h>

#include <cstdint>

#include "geometry/course_lists.h"
#include "geometry/prepared_course.h"
#include "test_courses.h"

namespace kurvex {
using test::FullFeatureCourse;

namespace {

// A drawing target that only counts calls, standing in for the GL layer.
class CountingDrawTarget : public DrawTarget {
 public:
  int32_t DisplayListBegin() override { return ++lists_; }
  void DisplayListEnd() override {}
  void DisplayListDelete(int32_t) override {}
  void DisplayListCall(int32_t) override { ++calls_; }
  void DrawSubTriangleStrip() override { ++calls_; }
  void DrawSubLines(float) override { ++calls_; }
  void DrawSubLineLoop(float) override { ++calls_; }
  void DrawSubPoints(float) override { ++calls_; }
  void EndSub() override {}
  void Vertex(double, double, double) override { ++vertices_; }
  void TexturePoint(double, double) override { ++calls_; }
  void TextureSelect(const TextureRef&, int16_t) override { ++calls_; }
  void TexturesEnable() override { ++calls_; }
  void TexturesDisable() override { ++calls_; }
  void Cull(int16_t) override { ++calls_; }
  void DrawColor(int, int, int, int) override { ++calls_; }
  void PushMatrix() override { ++calls_; }
  void PopMatrix() override { ++calls_; }
  void Translate(double, double, double) override { ++calls_; }
  void Rotate(double, double, double, double) override { ++calls_; }
  void ScaleFactors(double, double, double) override { ++calls_; }

  int64_t vertices() const { return vertices_; }

 private:
  int32_t lists_ = 0;
  int64_t calls_ = 0;
  int64_t vertices_ = 0;
};

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

