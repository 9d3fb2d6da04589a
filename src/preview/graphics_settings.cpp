#include "preview/graphics_settings.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace kurvex {

namespace {

Rgb FromHex(const char* hex) {
  Rgb colour;
  DoHex(hex, colour);
  return colour;
}

std::string Trim(const std::string& s) {
  const size_t first = s.find_first_not_of(" \t");
  if (first == std::string::npos) return "";
  return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

}  // namespace

GraphicsSettings::GraphicsSettings() {
  const char* const kColours[kLineKindCount] = {"CCCCCC", "FFFF99", "9999FF", "FF9999",
                                                "99FF99", "FF6600", "999900"};
  for (int kind = 0; kind < kLineKindCount; ++kind) {
    lines[kind].colour = FromHex(kColours[kind]);
  }
  lines[kLineCtlDots].antialiasing = true;
  features.fill(true);
}

std::string DrawHex(const Rgb& colour) {
  char text[7];
  std::snprintf(text, sizeof text, "%02X%02X%02X", colour.r, colour.g, colour.b);
  return text;
}

bool DoHex(const std::string& text, Rgb& colour) {
  std::string digits = Trim(text);
  if (digits.empty()) return false;
  for (char c : digits) {
    if (!std::isxdigit(static_cast<unsigned char>(c))) return false;
  }
  if (digits.size() < 6) digits.insert(0, 6 - digits.size(), '0');
  auto byte = [&](int i) {
    return static_cast<uint8_t>(std::strtol(digits.substr(i, 2).c_str(), nullptr, 16));
  };
  colour = {byte(0), byte(2), byte(4)};
  return true;
}

int16_t TransparencyFromNumber(double number) {
  if (std::isnan(number)) return 0;
  return static_cast<int16_t>(std::clamp(std::nearbyint(number), 0.0, 100.0));
}

double SegmentDistanceFromNumber(double number) {
  return number >= 0.01 ? number : 0.01;
}

}  // namespace kurvex
