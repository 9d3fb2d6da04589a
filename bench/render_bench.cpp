// The preview on real GL (a headless context; llvmpipe where there is no GPU): compiling every
// display list of a 64-point course with every track type and feature, and drawing 1280x720
// frames of it. The preview redraws continuously, so the frame rate is what the user feels.

#include <benchmark/benchmark.h>

#include <string>

#include "test_courses.h"
#include "headless/egl_context.h"
#include "preview/preview_scene.h"
#include "synthetic_textures.h"

namespace kurvex {
using test::FullFeatureCourse;

namespace {

constexpr int kWidth = 1280, kHeight = 720;

bool MakeContext(HeadlessContext& context, benchmark::State& state) {
  std::string error;
  if (context.Create(kWidth, kHeight, &error)) {
    state.SetLabel(HeadlessContext::Renderer());
    return true;
  }
  state.SkipWithError(("no GL context: " + error).c_str());
  return false;
}

void BM_CompileAllLists(benchmark::State& state) {
  HeadlessContext context;
  if (!MakeContext(context, state)) return;
  const Course course = FullFeatureCourse();
  const TextureStore store = test::MakeSyntheticTextureStore();
  const GraphicsSettings settings;
  PreviewScene scene;
  scene.InitGL(kWidth, kHeight, settings, course.Sky);
  scene.UploadTextures(store, false);
  for (auto _ : state) {
    scene.BuildModelLists();
    if (scene.BuildCourse(course, settings) != 0) {
      state.SkipWithError("the course did not build");
      break;
    }
  }
  scene.KillGL();
}
BENCHMARK(BM_CompileAllLists)->Unit(benchmark::kMillisecond);

// Arguments: textured (0/1) and the view (0 the default camera straight down on the whole
// course, 1 a low view along the track with the sky, horizon and props in sight).
void BM_DrawFrame(benchmark::State& state) {
  HeadlessContext context;
  if (!MakeContext(context, state)) return;
  Course course = FullFeatureCourse();
  course.Sky = 4;  // night: gradient, stars and the horizon's light layer
  course.HorizonCount = 6;
  for (int h = 1; h <= 6; ++h) {
    course.HorizonImage[h] = static_cast<uint8_t>(h * 7);
    course.HorizonAngle[h] = static_cast<float>(h * 60);
  }
  const TextureStore store = test::MakeSyntheticTextureStore();
  const GraphicsSettings settings;
  PreviewScene scene;
  scene.InitGL(kWidth, kHeight, settings, course.Sky);
  if (state.range(0) != 0) scene.UploadTextures(store, false);
  scene.BuildModelLists();
  if (scene.BuildCourse(course, settings) != 0) {
    state.SkipWithError("the course did not build");
    return;
  }
  scene.frame().GenStars(scene.gl(), 1);
  CameraValues camera;
  if (state.range(1) != 0) {
    camera.x = 12.5;
    camera.y = 3.2;
    camera.z = -2;
    camera.azimuth = 180;
    camera.elevation = 350;
  }
  for (auto _ : state) {
    // One frame as the editor draws it, 33 ms after the last, waited for as a swap would.
    scene.Tick(33, course, camera, settings, true, 1);
    scene.gl().Finish();
  }
  state.counters["fps"] =
      benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
  scene.KillGL();
}
BENCHMARK(BM_DrawFrame)
    ->ArgNames({"textured", "view"})
    ->Args({0, 0})
    ->Args({1, 0})
    ->Args({1, 1})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
}  // namespace kurvex
