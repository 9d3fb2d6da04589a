#pragma once
// The settings file "opts.cfg": graphics settings, camera, Element Properties state and tool
// window placements in six little-endian blocks, 501 bytes in all.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "preview/camera.h"
#include "preview/graphics_settings.h"

namespace kurvex {

constexpr size_t kSettingsFileSize = 501;
extern const char kSettingsFileName[];  // "opts.cfg"

// The Element Properties state kept between runs (stored course units for the extremes).
struct ElementSettings {
  uint8_t current_point = 0;
  double add_offset = 0.5;
  double drag_speed = 10;
  double min[3] = {-15000, 0, -15000};  // X, Y, Z
  double max[3] = {15000, 5000, 15000};
};

// Tool windows in file order.
enum ToolWindowIndex : int {
  kWindowCourse = 0,
  kWindowElement,
  kWindowPreview,
  kWindowCamera,
  kWindowGraphics,
  kWindowDataSheet,
  kWindowPatch,
  kToolWindowCount,
};

struct WindowPlacement {
  double left = 0, top = 0, width = 0, height = 0;  // fractions of the screen
  bool visible = false;
};

struct Settings {
  GraphicsSettings graphics;
  CameraValues camera;
  ElementSettings element;
  std::array<WindowPlacement, kToolWindowCount> windows{};
};

std::vector<uint8_t> EncodeSettings(const Settings& settings);
// Applies the file's fields in order; a file that ends early leaves the later fields as they
// were and returns false.
bool DecodeSettings(const uint8_t* data, size_t size, Settings& settings);

enum SettingsResult : int16_t {
  kSettingsOk = 0,
  kSettingsMissing = 1,     // no file yet: the defaults apply (first run)
  kSettingsLoadFailed = 2,  // unreadable or short: what was read applies
  kSettingsSaveFailed = 3,
};

// Reads the file if it is a regular file of a sane size; *reason, when given, receives
// "PATH: why" for every result but kSettingsOk (the system's reason, or that it is too short).
int16_t LoadSettingsFile(const std::string& path, Settings& settings,
                         std::string* reason = nullptr);
int16_t SaveSettingsFile(const std::string& path, const Settings& settings,
                         std::string* reason = nullptr);

// The message and caption of a failure ("Unable to load settings", "Load Settings", ...);
// empty for kSettingsOk and kSettingsMissing.
std::string SettingsMessage(int code);
std::string SettingsMessageCaption(int code);

}  // namespace kurvex
