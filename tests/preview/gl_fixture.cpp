#include "gl_fixture.h"

#include <cmath>
#include <cstdlib>

namespace kurvex::testing {

namespace {

constexpr double kDegrees = 3.14159265358979323846 / 180;

void RotateAbout(double angle, double& a, double& b) {
  const double c = std::cos(angle * kDegrees), s = std::sin(angle * kDegrees);
  const double a2 = a * c - b * s;
  b = a * s + b * c;
  a = a2;
}

}  // namespace

Pixel Picture::At(int x, int y) const {
  const uint8_t* p = &rgba[(static_cast<size_t>(y) * width + x) * 4];
  return {p[0], p[1], p[2], p[3]};
}

int Picture::Count(int r, int g, int b, int tolerance) const {
  int count = 0;
  for (size_t p = 0; p + 3 < rgba.size(); p += 4) {
    if (std::abs(rgba[p] - r) <= tolerance && std::abs(rgba[p + 1] - g) <= tolerance &&
        std::abs(rgba[p + 2] - b) <= tolerance) {
      ++count;
    }
  }
  return count;
}

::testing::AssertionResult Near(const Pixel& pixel, int r, int g, int b, int tolerance) {
  if (std::abs(pixel.r - r) <= tolerance && std::abs(pixel.g - g) <= tolerance &&
      std::abs(pixel.b - b) <= tolerance) {
    return ::testing::AssertionSuccess();
  }
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
  const double ndc_x = f / aspect * px / -pz;
  const double ndc_y = f * py / -pz;
  *x = static_cast<int>(std::floor((ndc_x + 1) / 2 * width));
  *y = static_cast<int>(std::floor((1 - ndc_y) / 2 * height));
  return *x >= 0 && *x < width && *y >= 0 && *y < height;
}

GraphicsSettings BareSettings() {
  GraphicsSettings settings;
  for (LineSetting& line : settings.lines) line.enabled = false;
  settings.venue_floor = false;
  settings.sky_gradient = false;
  settings.horizon_images = false;
  settings.tunnel_transparency = false;
  settings.floor_transparency = false;
  return settings;
}

CameraValues LookDownAt(const Vec3& point, double height) {
  CameraValues camera;
  camera.x = point.x;
  camera.y = point.y + height;
  camera.z = point.z;
  camera.azimuth = 0;
  camera.elevation = 270;
  camera.skew = 0;
  return camera;
}

void GlTest::SetUp() {
  std::string error;
  ASSERT_TRUE(context_.Create(kPictureWidth, kPictureHeight, &error))
      << "no GL context for the render tests: " << error;
}

Picture GlTest::ReadPicture() const {
  return {context_.width(), context_.height(), context_.ReadPixels()};
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

}  // namespace kurvex::testing
