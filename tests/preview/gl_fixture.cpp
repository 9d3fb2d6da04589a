#include "gl_fixture.h"

#include <GL/gl.h>

#include <cmath>
#include <cstdlib>

namespace kurvex::test {

namespace {

constexpr double kDegrees = 3.14159265358979323846 / 180;

void RotateAbout(double angle, double& a, double& b) {
  const double c = std::cos(angle * kDegrees), s = std::sin(angle * kDegrees);
  const double a2 = a * c - b * s;
  b = a * s + b * c;
  a = a2;
}

bool Close(int r0, int g0, int b0, int r, int g, int b, int tolerance) {
  return std::abs(r0 - r) <= tolerance && std::abs(g0 - g) <= tolerance &&
         std::abs(b0 - b) <= tolerance;
}

}  // namespace

Pixel Picture::At(int x, int y) const {
  const uint8_t* p = &rgba[(static_cast<size_t>(y) * width + x) * 4];
  return {p[0], p[1], p[2], p[3]};
}

int Picture::Count(int r, int g, int b, int tolerance) const {
  int count = 0;
  for (size_t p = 0; p + 3 < rgba.size(); p += 4) {
    count += Close(rgba[p], rgba[p + 1], rgba[p + 2], r, g, b, tolerance);
  }
  return count;
}

::testing::AssertionResult Near(const Pixel& pixel, int r, int g, int b, int tolerance) {
  if (Close(pixel.r, pixel.g, pixel.b, r, g, b, tolerance)) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "pixel (" << pixel.r << ", " << pixel.g << ", " << pixel.b
                                       << "), expected (" << r << ", " << g << ", " << b << ")";
}

bool Project(const CameraValues& camera, int width, int height, const Vec3& point, int* x, int* y) {
  // The frame's view: yaw, then pitch, then roll, every angle negated, after the move.
  double px = point.x - camera.x, py = point.y - camera.y, pz = point.z - camera.z;
  RotateAbout(-camera.azimuth, pz, px);    // about y
  RotateAbout(-camera.elevation, py, pz);  // about x
  RotateAbout(-camera.skew, px, py);       // about z
  if (pz >= 0) return false;
  const double f = 1 / std::tan(22.5 * kDegrees);
  const double aspect = static_cast<double>(width) / height;
  *x = static_cast<int>(std::floor((f / aspect * px / -pz + 1) / 2 * width));
  *y = static_cast<int>(std::floor((1 - f * py / -pz) / 2 * height));
  return *x >= 0 && *x < width && *y >= 0 && *y < height;
}

GraphicsSettings BareSettings() {
  GraphicsSettings settings;
  for (LineSetting& line : settings.lines) line.enabled = false;
  settings.venue_floor = settings.sky_gradient = settings.horizon_images = false;
  settings.tunnel_transparency = settings.floor_transparency = false;
  return settings;
}

CameraValues CameraAt(const Vec3& eye, double elevation) {
  CameraValues camera;
  camera.x = eye.x;
  camera.y = eye.y;
  camera.z = eye.z;
  camera.azimuth = camera.skew = 0;
  camera.elevation = elevation;
  return camera;
}

std::vector<uint8_t> TextureImage(uint32_t name, int width, int height, bool alpha) {
  glBindTexture(GL_TEXTURE_2D, name);
  std::vector<uint8_t> pixels(static_cast<size_t>(width) * height * (alpha ? 4 : 3));
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glGetTexImage(GL_TEXTURE_2D, 0, alpha ? GL_RGBA : GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
  return pixels;
}

void GlTest::SetUp() {
  std::string error;
  ASSERT_TRUE(context_.Create(kPictureWidth, kPictureHeight, &error))
      << "no GL context for the render tests: " << error;
}

Preview::Preview(const HeadlessContext& context_in, const Course& course_in,
                 const GraphicsSettings& settings_in, const TextureStore* textures)
    : course(course_in), settings(settings_in), context(context_in) {
  EXPECT_TRUE(scene.InitGL(context.width(), context.height(), settings, course.Sky));
  if (textures != nullptr) scene.UploadTextures(*textures, settings.texture_filtering);
  scene.BuildModelLists();
  built = scene.BuildCourse(course, settings);
  scene.frame().GenStars(scene.gl(), 7);
}

Picture Preview::Draw(const CameraValues& camera, double time, bool course_loaded,
                      int selected_point) {
  scene.frame().SetAnimationTime(time);
  scene.DrawFrame(course, camera, settings, course_loaded, selected_point);
  return {context.width(), context.height(), context.ReadPixels()};
}

Vec3 MidOfSpan(const Preview& preview, int span) {
  const auto& samples = preview.scene.prepared().MidCurve.Span(span).Samples;
  return samples[samples.size() / 2];
}

}  // namespace kurvex::test
