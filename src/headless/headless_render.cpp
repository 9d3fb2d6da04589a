#include "headless/headless_render.h"

#include "course/message.h"
#include "geometry/geometry_result.h"
#include "headless/egl_context.h"
#include "preview/preview_scene.h"

namespace kurvex {

Message RenderMessage(int16_t result, const std::string& detail) {
  switch (result) {
    case kRenderOk:
      return {};
    case kRenderNoGl:
      return MakeMessage("Error: No OpenGL",
                         {"No OpenGL context could be created for drawing without a window",
                          "(EGL, Mesa surfaceless platform): " + detail});
    case kRenderBadCourse:
      return MakeMessage("Error: Course cannot be drawn", {detail});
    case kRenderTooLarge:
      return MakeMessage("Error: Picture too large",
                         {"The picture may be at most " + detail + " pixels on a side."});
    default:
      return MakeMessage("Error: An unknown error has occurred.", {detail});
  }
}

int16_t RenderCourse(const Course& course, const RenderJob& job, RenderedPicture* picture,
                     std::string* detail) {
  auto too_large = [&](int limit) {
    if (detail != nullptr) *detail = std::to_string(limit);
    return kRenderTooLarge;
  };
  if (job.width > kMaxRenderSide || job.height > kMaxRenderSide) return too_large(kMaxRenderSide);
  HeadlessContext context;
  std::string why;
  if (!context.Create(job.width, job.height, &why)) {
    const int limit = context.max_side();
    if (limit > 0 && (job.width > limit || job.height > limit)) return too_large(limit);
    if (detail != nullptr) *detail = why;
    return kRenderNoGl;
  }
  PreviewScene scene;
  if (!scene.InitGL(job.width, job.height, job.graphics, course.Sky)) {
    if (detail != nullptr) *detail = "the context could not be made current";
    return kRenderNoGl;
  }
  if (job.textures != nullptr) scene.UploadTextures(*job.textures, job.graphics.texture_filtering);
  scene.BuildModelLists();
  const int16_t built = scene.BuildCourse(course, job.graphics);
  if (built != kGeometryOk) {
    scene.KillGL();
    if (detail != nullptr) *detail = GeometryResultText(built);
    return kRenderBadCourse;
  }
  scene.frame().GenStars(scene.gl(), job.star_seed);
  scene.frame().SetAnimationTime(job.time);
  scene.DrawFrame(course, job.camera, job.graphics, true, job.selected_point);
  if (picture != nullptr) {
    picture->width = job.width;
    picture->height = job.height;
    picture->rgba = context.ReadPixels();
  }
  scene.KillGL();
  return kRenderOk;
}

}  // namespace kurvex
