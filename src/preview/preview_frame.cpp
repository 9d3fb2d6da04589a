#include "preview/preview_frame.h"

#include <cmath>
#include <random>

#include "preview/course_walk.h"
#include "preview/sky.h"

namespace kurvex {

namespace {

constexpr int kGridExtent = 15;
constexpr double kFrameSeconds = 1.0 / 30;

int Level(double component) { return static_cast<int>(std::nearbyint(component)); }

// The guide lines in the order they are laid over the course, with their lists.
struct Overlay {
  LineKind kind;
  int list;
};
constexpr Overlay kOverlays[] = {
    {kLineSegmentLines, kSegmentLines},   {kLineLeftSpline, kLeftSideSpline},
    {kLineRightSpline, kRightSideSpline}, {kLineGameDataSpline, kGameDataSpline},
    {kLineCenterSpline, kCenterSpline},   {kLineCtlDots, kCtlPointDots},
};

// The see-through exteriors are blended.
class BlendedExteriors : public CourseWalkListener {
 public:
  explicit BlendedExteriors(CometGL& gl) : gl_(gl) {}
  void ExteriorsBegin(bool blended) override {
    if (blended) gl_.BlendingEnable();
  }
  void ExteriorsEnd() override { gl_.BlendingDisable(); }

 private:
  CometGL& gl_;
};

}  // namespace

void ApplyClearColour(CometGL& gl, const GraphicsSettings& settings, int sky) {
  if (settings.use_sky_colour) {
    PreviewFrame::SkyColor(gl, sky);
  } else {
    gl.ClearColor(settings.clear_colour.r, settings.clear_colour.g, settings.clear_colour.b);
  }
}

bool PreviewFrame::InitGL(CometGL& gl, int width, int height, const GraphicsSettings& settings,
                          int sky) {
  if (!gl.Initialize(width, height)) return false;
  ApplyClearColour(gl, settings, sky);
  BuildGrid(gl);
  StarList(gl);
  return true;
}

void PreviewFrame::BuildGrid(CometGL& gl) {
  if (grid_list_ != 0) gl.DisplayListDelete(grid_list_);
  grid_list_ = gl.DisplayListBegin();
  for (int k = -kGridExtent; k <= kGridExtent; ++k) {
    gl.DrawSubLines(1.0f);
    gl.Vertex(k, 0, -kGridExtent);
    gl.Vertex(k, 0, kGridExtent);
    gl.Vertex(-kGridExtent, 0, k);
    gl.Vertex(kGridExtent, 0, k);
    gl.EndSub();
  }
  gl.DisplayListEnd();
}

void PreviewFrame::KillGL(CometGL& gl, CourseDisplayLists& lists, TextureNames& textures) {
  // The star list goes as well: a name kept past its context could delete an unrelated list
  // of the next one.
  for (int32_t* name : {&grid_list_, &star_list_name_}) {
    if (*name != 0) gl.DisplayListDelete(*name);
    *name = 0;
  }
  lists.DeleteAll(gl);
  DeleteTextures(gl, textures);
}

void PreviewFrame::GenStars(CometGL& gl, uint32_t seed) {
  std::mt19937 generator(seed);
  std::uniform_real_distribution<double> random(0.0, 1.0);
  for (int s = 1; s <= kStarCount; ++s) {
    double a = 2 * random(generator) - 1;
    double b = 2 * random(generator) - 1;
    const double c = random(generator);
    if (a == 0) a = 0.001;
    if (b == 0) b = 0.001;
    const double d = std::sqrt(a * a + c * c + b * b);
    stars_[s] = {a / d, c / d, b / d};
  }
  StarList(gl);
}

void PreviewFrame::StarList(CometGL& gl) {
  if (star_list_name_ != 0) gl.DisplayListDelete(star_list_name_);
  star_list_name_ = gl.DisplayListBegin();
  gl.DrawColor(255, 255, 64, 255);
  gl.DrawSubPoints(2.0f);
  for (int s = 1; s <= kStarCount; ++s) gl.Vertex(stars_[s].x, stars_[s].y, stars_[s].z);
  gl.EndSub();
  gl.DisplayListEnd();
}

void PreviewFrame::SkyColor(CometGL& gl, int sky) {
  if (const auto colour = SkyClearColour(sky)) gl.ClearColor(colour->r, colour->g, colour->b);
}

void PreviewFrame::SetAnimationTime(double seconds) {
  if (!std::isfinite(seconds)) seconds = 0;
  seconds = std::fmod(seconds, kMaxAnimationTime);
  animation_time_ = seconds < 0 ? seconds + kMaxAnimationTime : seconds;
}

void PreviewFrame::AdvanceTime(int32_t elapsed_ms, bool animation_timer) {
  const double seconds = animation_timer ? elapsed_ms / 1000.0 : kFrameSeconds;
  // Wrapped as often as needed: one long pause may span several turns of the clock.
  if (animation_time_ + seconds > kMaxAnimationTime) {
    SetAnimationTime(animation_time_ + seconds);
  } else {
    animation_time_ += seconds;
  }
}

void PreviewFrame::G_Tick(CometGL& gl, int32_t elapsed_ms, const FrameInputs& in) {
  AdvanceTime(elapsed_ms, in.settings.animation_timer);
  DrawFrame(gl, in);
}

void PreviewFrame::DrawFrame(CometGL& gl, const FrameInputs& in) const {
  // The clear colour follows the course shown, also right after another course was opened.
  ApplyClearColour(gl, in.settings, in.course.Sky);
  gl.Clear();
  gl.PushMatrix();
  DrawBackground(gl, in);
  DrawCourse(gl, in);
  gl.DepthTestDisable();  // the guide lines always lie on top
  DrawLineOverlays(gl, in);
  if (in.problem_marks != nullptr && in.settings.problem_markers && in.course_loaded) {
    DrawProblemMarks(gl, in.course, in.prepared, in.camera, *in.problem_marks, in.selected_point);
  }
  gl.DepthTestEnable();
  gl.PopMatrix();
  // Filled again, so that next frame's sky, drawn before the mode is chosen, is never a wire.
  gl.PolygonMode(3, 1);
}

void PreviewFrame::DrawCourse(CometGL& gl, const FrameInputs& in) const {
  gl.DepthTestEnable();
  BlendedExteriors blending(gl);
  DrawCourseParts(gl, {in.course, in.prepared, in.lists, in.settings, animation_time_}, blending);
}

void PreviewFrame::DrawLineOverlays(CometGL& gl, const FrameInputs& in) const {
  const Course& course = in.course;
  for (const Overlay& overlay : kOverlays) {
    const LineSetting& line = in.settings.lines[overlay.kind];
    if (!line.enabled) continue;
    if (line.antialiasing) {
      gl.SmoothingEnable();
      gl.BlendingEnable();
    }
    gl.DrawColor(line.colour.r, line.colour.g, line.colour.b, 255);
    gl.DisplayListCall(in.lists.LineLists(overlay.list));
    if (overlay.kind == kLineCtlDots) {
      const auto mark = [&](int p, float size) {
        gl.DrawSubPoints(size);
        if (in.course_loaded && p >= 1 && p <= course.PointCount && p <= kMaxPoints) {
          const CtlPoint& point = course.Points[p];
          gl.Vertex(point.X / 1000.0, point.Y / 1000.0, point.Z / 1000.0);
        }
        gl.EndSub();
      };
      if (in.hover_point != 0) {
        gl.DrawColor(255, 255, 255, 255);
        mark(in.hover_point, 12.0f);
      }
      const ColourF rainbow = ColorWheel(Hue(animation_time_));
      gl.DrawColor(Level(rainbow.r), Level(rainbow.g), Level(rainbow.b), 255);
      mark(in.selected_point, 8.0f);
    }
    gl.SmoothingDisable();
    gl.BlendingDisable();
  }
}

}  // namespace kurvex
