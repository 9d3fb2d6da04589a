// The render command: one preview frame of a course, drawn without a window, as a PNG file.
#include <algorithm>
#include <cctype>
#include <cmath>
#include <vector>

#include "cli/cli.h"
#include "cli/numbers.h"
#include "cli/options.h"
#include "course/message.h"
#include "headless/headless_render.h"
#include "preview/camera.h"
#include "preview/settings_file.h"
#include "rom/png_writer.h"
#include "rom/rom_image.h"
#include "rom/texture_dump.h"
#include "rom/texture_loader.h"
#include "rom/texture_source.h"

namespace kurvex::cli {

bool RenderAvailable() { return true; }

namespace {

struct RenderOptions {
  std::string course;
  std::string out;
  int width = kDefaultRenderWidth;
  int height = kDefaultRenderHeight;
  std::string textures;
  std::string settings;
  bool has_camera = false;
  std::vector<double> camera;
  double time = 0;
};

bool EndsWithPng(const std::string& path) {
  if (path.size() < 4) return false;
  std::string tail = path.substr(path.size() - 4);
  std::transform(tail.begin(), tail.end(), tail.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return tail == ".png";
}

bool ParseSize(const std::string& text, int* width, int* height) {
  const size_t x = text.find_first_of("xX");
  if (x == std::string::npos) return false;
  int w = 0, h = 0;
  if (!ParseWholeNumber(text.substr(0, x), &w) || !ParseWholeNumber(text.substr(x + 1), &h)) {
    return false;
  }
  if (w < 1 || h < 1 || w > kMaxRenderSide || h > kMaxRenderSide) return false;
  *width = w;
  *height = h;
  return true;
}

// Returns an empty text when the option is good, else the complaint.
std::string ApplyOption(const std::string& option, const std::string& value,
                        RenderOptions* options) {
  const std::string not_this = ", not \"" + value + "\"";
  if (option == "--size") {
    if (!ParseSize(value, &options->width, &options->height)) {
      return "--size expects WxH, whole numbers 1.." + std::to_string(kMaxRenderSide) + not_this;
    }
  } else if (option == "--textures") {
    options->textures = value;
  } else if (option == "--settings") {
    options->settings = value;
  } else if (option == "--camera") {
    if (!ParseDecimals(value, 6, &options->camera)) {
      return "--camera expects X,Y,Z,AZ,EL,SKEW (6 decimal numbers)" + not_this;
    }
    options->has_camera = true;
  } else if (option == "--time") {
    if (!ParseDecimal(value, &options->time)) {
      return "--time expects a decimal number of seconds" + not_this;
    }
  }
  return "";
}

// Returns an empty text when the arguments are good, else the complaint.
std::string ReadOptions(const ParsedArgs& parsed, RenderOptions* options) {
  for (const auto& [option, value] : parsed.options) {
    const std::string complaint = ApplyOption(option, value, options);
    if (!complaint.empty()) return complaint;
  }
  if (parsed.positional.size() != 2) return "expects COURSE and OUT.png";
  options->course = parsed.positional[0];
  options->out = parsed.positional[1];
  if (!EndsWithPng(options->out)) return "OUT must end in .png";
  return "";
}

// The camera values as the Camera window keeps them: positions within reach, angles wrapped.
void ApplyCamera(const std::vector<double>& values, CameraValues& camera) {
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

int RunRender(const Args& args) {
  ParsedArgs parsed;
  const int status = ParseArgs("render", args,
                               {{"--size", true},
                                {"--textures", true},
                                {"--camera", true},
                                {"--settings", true},
                                {"--time", true}},
                               &parsed);
  if (status != kExitOk) return status;
  RenderOptions options;
  const std::string complaint = ReadOptions(parsed, &options);
  if (!complaint.empty()) return UsageError("render", complaint);

  DrawingInputs inputs;
  if (LoadDrawingInputs(options.course, options.settings, options.textures, &inputs) != kExitOk) {
    return kExitFailed;
  }
  const Course& course = inputs.course;
  const Settings& settings = inputs.settings;

  RenderJob job;
  job.width = options.width;
  job.height = options.height;
  job.textures = inputs.textured ? &inputs.textures : nullptr;
  job.graphics = settings.graphics;
  job.camera = settings.camera;
  if (options.has_camera) ApplyCamera(options.camera, job.camera);
  job.time = options.time;
  const int current = settings.element.current_point;
  job.selected_point = current >= 1 && current <= course.PointCount ? current : 1;

  RenderedPicture picture;
  std::string detail;
  const int16_t result = RenderCourse(course, job, &picture, &detail);
  if (result == kRenderTooLarge) {
    return UsageError("render", "--size may be at most " + detail + " pixels a side here");
  }
  if (result != kRenderOk) return Fail(RenderMessage(result, detail));
  const std::vector<uint8_t> rgb = WithoutAlpha(picture.rgba);
  std::string error;
  if (!WritePng(options.out, rgb.data(), picture.width, picture.height, 3, &error,
                DrawingInputFiles(options.course, options.settings, options.textures))) {
    return Fail(MakeMessage("Error: File access error", {"The picture could not be written."}),
                error);
  }
  return kExitOk;
}

}  // namespace kurvex::cli
