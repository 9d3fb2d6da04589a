#pragma once
// The preview's frame: the lists that belong to the preview itself (floor grid, stars), its
// animation clock, and one frame drawn from the course, its lists and textures, the camera and
// the graphics settings. Everything is drawn through the drawing layer.

#include <array>
#include <cstdint>

#include "course/course.h"
#include "geometry/course_lists.h"
#include "geometry/prepared_course.h"
#include "geometry/vec3.h"
#include "preview/camera.h"
#include "preview/comet_gl.h"
#include "preview/graphics_settings.h"
#include "preview/problem_markers.h"
#include "preview/texture_names.h"

namespace kurvex {

constexpr int kStarCount = 100;
constexpr double kMaxAnimationTime = 360;  // seconds; the clock wraps there

// What one frame draws from.
struct FrameInputs {
  const Course& course;
  const PreparedCourse& prepared;
  const CourseDisplayLists& lists;
  const TextureNames& textures;
  const CameraValues& camera;
  const GraphicsSettings& settings;
  bool course_loaded = true;
  int selected_point = 1;  // marked while the CTL point dots show
  int hover_point = 0;     // the dot under the editor's pointer, ringed; 0 for none
  const ProblemMarks* problem_marks = nullptr;  // drawn while the settings want them
};

class PreviewFrame {
 public:
  // Sets up the current context for a drawing area of this size: projection, default state,
  // clear colour, the floor grid and the star list. False when no context is current.
  bool InitGL(CometGL& gl, int width, int height, const GraphicsSettings& settings, int sky);
  // Frees every list and texture named here, in the course lists and in the texture tables,
  // before the context goes.
  void KillGL(CometGL& gl, CourseDisplayLists& lists, TextureNames& textures);

  // New star directions on the upper half of the unit sphere, then StarList.
  void GenStars(CometGL& gl, uint32_t seed);
  void StarList(CometGL& gl);
  // The clear colour of a course's sky; other values leave it as it is.
  static void SkyColor(CometGL& gl, int sky);

  // Advances the clock: by the elapsed time with the animation timer on, else by 1/30 s.
  void AdvanceTime(int32_t elapsed_ms, bool animation_timer);
  // Draws one frame at the current clock.
  void DrawFrame(CometGL& gl, const FrameInputs& in) const;
  // One frame of the running preview: the clock advanced, then the frame drawn.
  void G_Tick(CometGL& gl, int32_t elapsed_ms, const FrameInputs& in);

  double AnimationTime() const { return animation_time_; }
  // Any finite time, brought into 0..360 s.
  void SetAnimationTime(double seconds);
  int32_t GridList() const { return grid_list_; }
  int32_t StarListName() const { return star_list_name_; }
  const Vec3& Star(int s) const { return stars_[s]; }  // 1..100

 private:
  void BuildGrid(CometGL& gl);
  void DrawBackground(CometGL& gl, const FrameInputs& in) const;
  void DrawGradient(CometGL& gl, const FrameInputs& in) const;
  void DrawVenueFloor(CometGL& gl, const FrameInputs& in) const;
  void DrawHorizons(CometGL& gl, const FrameInputs& in) const;
  void DrawCourse(CometGL& gl, const FrameInputs& in) const;
  void DrawLineOverlays(CometGL& gl, const FrameInputs& in) const;

  int32_t grid_list_ = 0;
  int32_t star_list_name_ = 0;
  std::array<Vec3, kStarCount + 1> stars_{};
  double animation_time_ = 0;
};

// The frame's clear colour: the course's sky or the colour the settings define.
void ApplyClearColour(CometGL& gl, const GraphicsSettings& settings, int sky);

}  // namespace kurvex
