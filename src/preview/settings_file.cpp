#include "preview/settings_file.h"

#include <cstring>

#include "course/file_read.h"
#include "course/file_write.h"
#include "course/path_text.h"

namespace kurvex {

const char kSettingsFileName[] = "opts.cfg";

namespace {

// The file is 501 bytes; anything far larger is not one.
constexpr size_t kMaxSettingsFileSize = 64 * 1024;

// Writes or reads the fields in file order, so that one function describes the layout for both.
class Fields {
 public:
  explicit Fields(std::vector<uint8_t>* out) : out_(out) {}
  Fields(const uint8_t* in, size_t size) : in_(in), size_(size) {}

  bool complete() const { return complete_; }

  void Flag(bool& value) {
    int16_t v = value ? -1 : 0;
    Int16(v);
    if (reading()) value = v != 0;
  }
  void Int16(int16_t& value) {
    uint64_t bits = static_cast<uint16_t>(value);
    LittleEndian(bits, 2);
    value = static_cast<int16_t>(static_cast<uint16_t>(bits));
  }
  void Byte(uint8_t& value) {
    uint64_t bits = value;
    LittleEndian(bits, 1);
    value = static_cast<uint8_t>(bits);
  }
  void Double(double& value) {
    uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    LittleEndian(bits, 8);
    std::memcpy(&value, &bits, sizeof bits);
  }
  void Colour(Rgb& c) {
    Byte(c.r);
    Byte(c.g);
    Byte(c.b);
  }

 private:
  bool reading() const { return in_ != nullptr; }

  // Writes the low n bytes of bits, least significant first, or reads them back into bits.
  void LittleEndian(uint64_t& bits, size_t n) {
    if (!reading()) {
      for (size_t i = 0; i < n; ++i) out_->push_back(static_cast<uint8_t>(bits >> (8 * i)));
      return;
    }
    if (!complete_ || pos_ + n > size_) {
      complete_ = false;
      return;
    }
    bits = 0;
    for (size_t i = 0; i < n; ++i) bits |= uint64_t{in_[pos_ + i]} << (8 * i);
    pos_ += n;
  }

  std::vector<uint8_t>* out_ = nullptr;
  const uint8_t* in_ = nullptr;
  size_t size_ = 0, pos_ = 0;
  bool complete_ = true;
};

static_assert(sizeof(double) == 8, "doubles are stored as their 64-bit pattern");

void Gridlines(Fields& f, GraphicsSettings& g) {
  for (LineSetting& line : g.lines) {
    f.Flag(line.enabled);
    f.Colour(line.colour);
    f.Flag(line.antialiasing);
  }
}

void Polygons(Fields& f, GraphicsSettings& g) {
  f.Flag(g.venue_floor);
  f.Flag(g.track_surface);
  f.Flag(g.tunnel_exteriors);
  f.Flag(g.tunnel_transparency);
  f.Int16(g.tunnel_transparency_percent);
  f.Double(g.segment_distance);
  f.Flag(g.animation_timer);
  f.Flag(g.use_sky_colour);
  f.Colour(g.clear_colour);
  f.Flag(g.red_blinkers);
  f.Flag(g.floor_transparency);
  f.Int16(g.floor_transparency_percent);
  f.Flag(g.texture_filtering);
  f.Flag(g.wireframe);
  f.Flag(g.sky_gradient);
  f.Flag(g.horizon_images);
}

void Features(Fields& f, GraphicsSettings& g) {
  for (size_t i = 0; i < g.features.size(); ++i) {
    bool on = g.features[i];
    f.Flag(on);
    g.features[i] = on;
  }
}

void CameraBlock(Fields& f, CameraValues& c) {
  for (double* v :
       {&c.x, &c.y, &c.z, &c.azimuth, &c.elevation, &c.skew, &c.coord_speed, &c.ang_speed}) {
    f.Double(*v);
  }
  f.Flag(c.coord_hold);
  f.Flag(c.coord_relative);
  f.Flag(c.ang_hold);
  f.Flag(c.ang_relative);
}

void ElementBlock(Fields& f, ElementSettings& e) {
  f.Byte(e.current_point);
  f.Double(e.add_offset);
  f.Double(e.drag_speed);
  for (double* v : {&e.min[0], &e.min[1], &e.min[2], &e.max[0], &e.max[1], &e.max[2]}) {
    f.Double(*v);
  }
}

void WindowsBlock(Fields& f, std::array<WindowPlacement, kToolWindowCount>& windows) {
  for (WindowPlacement& w : windows) {
    for (double* v : {&w.left, &w.top, &w.width, &w.height}) f.Double(*v);
    f.Flag(w.visible);
  }
}

void AllBlocks(Fields& f, Settings& s) {
  Gridlines(f, s.graphics);
  Polygons(f, s.graphics);
  Features(f, s.graphics);
  CameraBlock(f, s.camera);
  ElementBlock(f, s.element);
  WindowsBlock(f, s.windows);
}

}  // namespace

std::vector<uint8_t> EncodeSettings(const Settings& settings) {
  std::vector<uint8_t> bytes;
  bytes.reserve(kSettingsFileSize);
  Fields fields(&bytes);
  Settings copy = settings;
  AllBlocks(fields, copy);
  return bytes;
}

bool DecodeSettings(const uint8_t* data, size_t size, Settings& settings) {
  Fields fields(data, size);
  AllBlocks(fields, settings);
  return fields.complete();
}

int16_t LoadSettingsFile(const std::string& path, Settings& settings, std::string* reason) {
  std::vector<uint8_t> bytes;
  const FileReadResult read = ReadRegularFile(path, kMaxSettingsFileSize, bytes, reason);
  if (read == FileReadResult::kMissing) return kSettingsMissing;
  if (read != FileReadResult::kOk) return kSettingsLoadFailed;
  if (DecodeSettings(bytes.data(), bytes.size(), settings)) return kSettingsOk;
  if (reason) {
    *reason = PathText(path) + ": " + SizeText(bytes.size()) + ", shorter than the " +
              std::to_string(kSettingsFileSize) + " of a settings file";
  }
  return kSettingsLoadFailed;
}

int16_t SaveSettingsFile(const std::string& path, const Settings& settings, std::string* reason) {
  const std::vector<uint8_t> bytes = EncodeSettings(settings);
  return WriteFileAtomically(path, bytes.data(), bytes.size(), reason) ? kSettingsOk
                                                                       : kSettingsSaveFailed;
}

std::string SettingsMessage(int code) {
  if (code == kSettingsLoadFailed) return "Unable to load settings";
  if (code == kSettingsSaveFailed) return "Unable to save settings";
  return "";
}

std::string SettingsMessageCaption(int code) {
  if (code == kSettingsLoadFailed) return "Load Settings";
  if (code == kSettingsSaveFailed) return "Save Settings";
  return "";
}

}  // namespace kurvex
