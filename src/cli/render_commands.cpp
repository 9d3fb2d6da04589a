// The render command: one preview frame of a course, drawn without a window, as a PNG file.
#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <system_error>

#include "cli/cli.h"
#include "course/message.h"
#include "preview/camera.h"
#include "headless/headless_render.h"
#include "preview/settings_file.h"
#include "rom/png_writer.h"
#include "rom/rom_image.h"
#include "rom/texture_dump.h"
#include "rom/texture_loader.h"
#include "rom/texture_source.h"

namespace kurvex::cli {

namespace {

constexpr int kMaxSide = 16384;

struct RenderOptions {
  std::string course;
  std::string out;
  int width = kDefaultRenderWidth;
  int height = kDefaultRenderHeight;
  std::string textures;
  std::string settings;
  bool has_camera = false;
  double camera[6] = {0, 0, 0, 0, 0, 0};
  double time = 0;
};

bool EndsWithPng(const std::string& path) {
  if (path.size() < 4) return false;
  std::string tail = path.substr(path.size() - 4);
  std::transform(tail.begin(), tail.end(), tail.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return tail == ".png";
}

bool ParseNumber(const std::string& text, double* value) {
  if (text.empty()) return false;
  char* end = nullptr;
  *value = std::strtod(text.c_str(), &end);
  return end == text.c_str() + text.size() && std::isfinite(*value);
}

bool ParseSize(const std::string& text, int* width, int* height) {
  const size_t x = text.find_first_of("xX");
  if (x == std::string::npos) return false;
  double w = 0, h = 0;
  if (!ParseNumber(text.substr(0, x), &w) || !ParseNumber(text.substr(x + 1), &h)) return false;
  if (w != std::floor(w) || h != std::floor(h) || w < 1 || h < 1 || w > kMaxSide || h > kMaxSide) {
    return false;
  }
  *width = static_cast<int>(w);
  *height = static_cast<int>(h);
  return true;
}

bool ParseCamera(const std::string& text, double* values) {
  std::stringstream stream(text);
  std::string part;
  int n = 0;
  while (std::getline(stream, part, ',')) {
    if (n == 6 || !ParseNumber(part, &values[n])) return false;
    ++n;
  }
  return n == 6 && text.back() != ',';
}

// Returns an empty text when the arguments are good, else the complaint.
std::string ParseOptions(const Args& args, RenderOptions* options) {
  std::vector<std::string> positional;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg.size() < 2 || arg.compare(0, 2, "--") != 0) {
      positional.push_back(arg);
      continue;
    }
    if (i + 1 >= args.size()) return arg + " needs a value";
    const std::string& value = args[++i];
    if (arg == "--size") {
      if (!ParseSize(value, &options->width, &options->height)) {
        return "--size expects WxH, whole numbers 1.." + std::to_string(kMaxSide);
      }
    } else if (arg == "--textures") {
      options->textures = value;
    } else if (arg == "--settings") {
      options->settings = value;
    } else if (arg == "--camera") {
      if (!ParseCamera(value, options->camera)) return "--camera expects X,Y,Z,AZ,EL,SKEW";
      options->has_camera = true;
    } else if (arg == "--time") {
      if (!ParseNumber(value, &options->time)) return "--time expects a number of seconds";
    } else {
      return "unknown option " + arg;
    }
  }
  if (positional.size() != 2) return "expects COURSE and OUT.png";
  options->course = positional[0];
  options->out = positional[1];
  if (!EndsWithPng(options->out)) return "OUT must end in .png";
  return "";
}

// The camera values as the Camera window keeps them: positions within reach, angles wrapped.
void ApplyCamera(const double* values, CameraValues& camera) {
  camera.x = std::clamp(values[0], -kCameraLimit, kCameraLimit);
  camera.y = std::clamp(values[1], -kCameraLimit, kCameraLimit);
  camera.z = std::clamp(values[2], -kCameraLimit, kCameraLimit);
  camera.azimuth = WrapDegrees(values[3]);
  camera.elevation = WrapDegrees(values[4]);
  camera.skew = WrapDegrees(values[5]);
}

std::vector<uint8_t> WithoutAlpha(const std::vector<uint8_t>& rgba) {
  std::vector<uint8_t> rgb(rgba.size() / 4 * 3);
  for (size_t p = 0, q = 0; p + 3 < rgba.size(); p += 4, q += 3) {
    rgb[q] = rgba[p];
    rgb[q + 1] = rgba[p + 1];
    rgb[q + 2] = rgba[p + 2];
  }
  return rgb;
}

}  // namespace

bool LoadSettingsArgument(const std::string& path, Settings& settings, Message* message) {
  const int16_t result = LoadSettingsFile(path, settings);
  if (result == kSettingsOk) return true;
  if (result == kSettingsMissing) {
    *message = MakeMessage("Error: File not found",
                           {"The settings file " + path + " could not be found."});
  } else {
    *message = MakeMessage("Error: " + SettingsMessageCaption(result), {SettingsMessage(result)});
  }
  return false;
}

int RunRender(const Args& args) {
  RenderOptions options;
  const std::string complaint = ParseOptions(args, &options);
  if (!complaint.empty()) return UsageError("render", complaint);

  Course course;
  Message message;
  if (!LoadCourseArgument(options.course, course, &message)) return Fail(message);
  Settings settings;
  if (!options.settings.empty() && !LoadSettingsArgument(options.settings, settings, &message)) {
    return Fail(message);
  }
  TextureStore store;
  if (!options.textures.empty() && !LoadTextureSource(options.textures, store, &message)) {
    return Fail(message);
  }

  RenderJob job;
  job.width = options.width;
  job.height = options.height;
  job.textures = options.textures.empty() ? nullptr : &store;
  job.graphics = settings.graphics;
  job.camera = settings.camera;
  if (options.has_camera) ApplyCamera(options.camera, job.camera);
  job.time = options.time;
  const int current = settings.element.current_point;
  job.selected_point = current >= 1 && current <= course.PointCount ? current : 1;

  RenderedPicture picture;
  std::string detail;
  const int16_t result = RenderCourse(course, job, &picture, &detail);
  if (result != kRenderOk) return Fail(RenderMessage(result, detail));
  const std::vector<uint8_t> rgb = WithoutAlpha(picture.rgba);
  std::string error;
  if (!WritePng(options.out, rgb.data(), picture.width, picture.height, 3, &error)) {
    return Fail(
        MakeMessage("Error: File access error", {"The picture could not be written:", error}));
  }
  return kExitOk;
}

}  // namespace kurvex::cli
