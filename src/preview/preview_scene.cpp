#include "preview/preview_scene.h"

#include "geometry/geometry_result.h"
#include "preview/settings_switches.h"

namespace kurvex {

bool PreviewScene::InitGL(int width, int height, const GraphicsSettings& settings, int sky) {
  return frame_.InitGL(gl_, width, height, settings, sky);
}

void PreviewScene::KillGL() { frame_.KillGL(gl_, lists_, textures_); }

bool PreviewScene::ResetGL(int width, int height, const GraphicsSettings& settings,
                           const Course* course, const TextureStore* store) {
  KillGL();
  if (!InitGL(width, height, settings, course != nullptr ? course->Sky : -1)) return false;
  if (store != nullptr) UploadTextures(*store, settings.texture_filtering);
  BuildModelLists();
  if (course != nullptr) BuildCourse(*course, settings);
  return true;
}

void PreviewScene::UploadTextures(const TextureStore& store, bool linear_filtering) {
  kurvex::UploadTextures(store, linear_filtering, gl_, textures_);
}

void PreviewScene::BuildModelLists() { lists_.BuildModelLists(gl_); }

int16_t PreviewScene::BuildCourse(const Course& course, const GraphicsSettings& settings) {
  const int16_t prepared = PrepareCourse(course, settings.segment_distance, prepared_);
  if (prepared != kGeometryOk) return prepared;
  const int16_t lines = lists_.BuildLineLists(course, prepared_, gl_);
  if (lines != kGeometryOk) return lines;
  return lists_.BuildAllLists(course, prepared_, FeatureSwitchesOf(settings), gl_);
}

int16_t PreviewScene::RebuildNear(const Course& course, const GraphicsSettings& settings,
                                  const std::bitset<kMaxPoints + 2>& points) {
  const int16_t prepared = PrepareCourse(course, settings.segment_distance, prepared_);
  if (prepared != kGeometryOk) return prepared;
  return lists_.RebuildNear(course, prepared_, FeatureSwitchesOf(settings), points, gl_);
}

int16_t PreviewScene::RebuildFeatureLists(const Course& course, const GraphicsSettings& settings) {
  return lists_.RebuildFeatures(course, prepared_, FeatureSwitchesOf(settings), gl_);
}

void PreviewScene::DrawFrame(const Course& course, const CameraValues& camera,
                             const GraphicsSettings& settings, bool course_loaded,
                             int selected_point, int hover_point) {
  FrameInputs inputs{course, prepared_, lists_,        textures_,
                     camera, settings,  course_loaded, selected_point};
  inputs.hover_point = hover_point;
  inputs.problem_marks = &marks_;
  frame_.DrawFrame(gl_, inputs);
}

void PreviewScene::Tick(int32_t elapsed_ms, const Course& course, const CameraValues& camera,
                        const GraphicsSettings& settings, bool course_loaded, int selected_point,
                        int hover_point) {
  frame_.AdvanceTime(elapsed_ms, settings.animation_timer);
  DrawFrame(course, camera, settings, course_loaded, selected_point, hover_point);
}

}  // namespace kurvex
