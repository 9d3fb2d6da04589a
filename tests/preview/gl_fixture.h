#pragma once
// Real GL for the preview's tests: every test gets a fresh headless context (EGL, Mesa
// surfaceless). A test run where no context can be made fails; it never skips.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "course/course.h"
#include "geometry/vec3.h"
#include "preview/camera.h"
#include "headless/egl_context.h"
#include "preview/graphics_settings.h"
#include "preview/preview_scene.h"
#include "rom/texture_store.h"
#include "synthetic_textures.h"

namespace kurvex::test {

constexpr int kPictureWidth = 200;
constexpr int kPictureHeight = 150;

struct Pixel {
  int r = 0, g = 0, b = 0, a = 0;
};

struct Picture {
  int width = 0, height = 0;
  std::vector<uint8_t> rgba;  // rows from the top
  Pixel At(int x, int y) const;
  // Pixels in the picture close to a colour.
  int Count(int r, int g, int b, int tolerance = 3) const;
};

::testing::AssertionResult Near(const Pixel& pixel, int r, int g, int b, int tolerance = 3);
inline ::testing::AssertionResult Near(const Pixel& pixel, const Rgb8& c, int tolerance = 3) {
  return Near(pixel, c.r, c.g, c.b, tolerance);
}

// The pixel a point of course space falls on, from the top left; false behind the eye.
bool Project(const CameraValues& camera, int width, int height, const Vec3& point, int* x, int* y);

// Every switch of the preview off, the clear colour from the sky: a frame that shows only
// what a test turns back on.
GraphicsSettings BareSettings();
// A camera at an eye point, facing north, pitched by elevation (90 up, 270 straight down).
CameraValues CameraAt(const Vec3& eye, double elevation);
// A camera above a point, looking straight down.
inline CameraValues LookDownAt(const Vec3& p, double height) {
  return CameraAt({p.x, p.y + height, p.z}, 270);
}
// The level-zero image of a texture, rows packed tightly: RGB, or RGBA with alpha.
std::vector<uint8_t> TextureImage(uint32_t name, int width, int height, bool alpha);

class GlTest : public ::testing::Test {
 protected:
  void SetUp() override;

  HeadlessContext context_;
};

// The preview's whole GL state for one course on the test's context.
class Preview {
 public:
  // textures: uploaded when given (before the lists are built, which record their names).
  Preview(const HeadlessContext& context, const Course& course, const GraphicsSettings& settings,
          const TextureStore* textures = nullptr);
  Picture Draw(const CameraValues& camera, double time = 0, bool course_loaded = true,
               int selected_point = 1);

  PreviewScene scene;
  Course course;
  GraphicsSettings settings;
  int16_t built = -1;  // the geometry result of building the course
  const HeadlessContext& context;
};

// A point in the middle of a span, on the mid curve.
Vec3 MidOfSpan(const Preview& preview, int span);

}  // namespace kurvex::test
