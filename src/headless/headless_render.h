#pragma once
// One preview frame of a course drawn without a window: a headless GL context, the textures,
// the course's lists, the frame at a given animation time, read back as an RGBA picture.

#include <cstdint>
#include <string>
#include <vector>

#include "course/course.h"
#include "course/message.h"
#include "preview/camera.h"
#include "preview/graphics_settings.h"
#include "rom/texture_store.h"

namespace kurvex {

constexpr int kDefaultRenderWidth = 1280;
constexpr int kDefaultRenderHeight = 720;
constexpr uint32_t kDefaultStarSeed = 1;
// The largest picture side drawn: 8192 x 8192 is already 256 MiB of pixels to read back.
constexpr int kMaxRenderSide = 8192;

struct RenderJob {
  int width = kDefaultRenderWidth;
  int height = kDefaultRenderHeight;
  const TextureStore* textures = nullptr;  // none: everything is drawn untextured
  GraphicsSettings graphics;
  CameraValues camera;
  double time = 0;                        // AnimationTime, seconds
  int selected_point = 1;                 // marked among the CTL point dots
  uint32_t star_seed = kDefaultStarSeed;  // the same stars on every run
};

struct RenderedPicture {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> rgba;  // rows from the top
};

enum RenderResult : int16_t {
  kRenderUnknownError = -1,
  kRenderOk = 0,
  kRenderNoGl = 1,       // no GL context could be created
  kRenderBadCourse = 2,  // the course has no drawable shape (point count outside 4..64)
  kRenderTooLarge = 3,   // a side above kMaxRenderSide or the driver's framebuffer limit
};

// The user message of a failure; detail is the reason the context or the course gave (for
// kRenderTooLarge, the largest side allowed).
Message RenderMessage(int16_t result, const std::string& detail);

int16_t RenderCourse(const Course& course, const RenderJob& job, RenderedPicture* picture,
                     std::string* detail);

}  // namespace kurvex
