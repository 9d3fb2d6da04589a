#pragma once
// The GL state of one preview on the current context: the drawing layer, the frame with its own
// lists, the course's prepared geometry and display lists, and the texture names. It keeps the
// order the lists depend on: textures first (their names are recorded into the lists), then the
// model lists (the plate lists call them), then the course's lists.

#include <bitset>
#include <cstdint>
#include <utility>

#include "course/course.h"
#include "geometry/course_lists.h"
#include "geometry/prepared_course.h"
#include "preview/camera.h"
#include "preview/comet_gl.h"
#include "preview/graphics_settings.h"
#include "preview/preview_frame.h"
#include "preview/texture_names.h"
#include "rom/texture_store.h"

namespace kurvex {

class PreviewScene {
 public:
  PreviewScene() { gl_.SetTextureNames(&textures_); }
  PreviewScene(const PreviewScene&) = delete;
  PreviewScene& operator=(const PreviewScene&) = delete;

  // The frame's lists and state on the current context; false when there is none.
  bool InitGL(int width, int height, const GraphicsSettings& settings, int sky);
  // Frees every list and texture; the context itself stays with its owner.
  void KillGL();
  // KillGL and InitGL, then the textures (when a store is given), the model lists and, for a
  // loaded course, its lists: everything again, as after a change of texture filtering.
  bool ResetGL(int width, int height, const GraphicsSettings& settings, const Course* course,
               const TextureStore* store);

  void UploadTextures(const TextureStore& store, bool linear_filtering);
  void BuildModelLists();
  // Prepares the course at the settings' segment distance and rebuilds its line lists and
  // per-point lists with the settings' feature boxes. A geometry result code.
  int16_t BuildCourse(const Course& course, const GraphicsSettings& settings);
  // The same after a change of the given points only: the course is prepared again, the line
  // lists rebuilt, and the lists of the spans whose shape those points reach.
  int16_t RebuildNear(const Course& course, const GraphicsSettings& settings,
                      const std::bitset<kMaxPoints + 2>& points);
  // The zone and plate lists of every span, after a feature box changed.
  int16_t RebuildFeatureLists(const Course& course, const GraphicsSettings& settings);

  void DrawFrame(const Course& course, const CameraValues& camera, const GraphicsSettings& settings,
                 bool course_loaded, int selected_point, int hover_point = 0);
  void Tick(int32_t elapsed_ms, const Course& course, const CameraValues& camera,
            const GraphicsSettings& settings, bool course_loaded, int selected_point,
            int hover_point = 0);

  // The problems' marks drawn from the next frame on.
  void SetProblemMarks(ProblemMarks marks) { marks_ = std::move(marks); }
  const ProblemMarks& problem_marks() const { return marks_; }

  CometGL& gl() { return gl_; }
  PreviewFrame& frame() { return frame_; }
  const CourseDisplayLists& lists() const { return lists_; }
  const TextureNames& textures() const { return textures_; }
  const PreparedCourse& prepared() const { return prepared_; }

 private:
  CometGL gl_;
  PreviewFrame frame_;
  CourseDisplayLists lists_;
  TextureNames textures_;
  PreparedCourse prepared_;
  ProblemMarks marks_;
};

}  // namespace kurvex
