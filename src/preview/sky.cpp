#include "preview/sky.h"

#include <cmath>

namespace kurvex {

namespace {

bool IsSky(int sky) { return sky >= 0 && sky < kSkyCount; }

constexpr Rgb kClearColours[kSkyCount] = {
    {230, 115, 239},  // Pink
    {74, 230, 189},   // Teal
    {239, 247, 197},  // Grey
    {33, 115, 255},   // Blue
    {0, 0, 0},        // Night
    {255, 82, 0},     // Orange
    {107, 8, 58},     // Sunset
    {99, 214, 255},   // Light Blue
};

constexpr SkyGradient kGradients[kSkyCount] = {
    {{66, 0, 82}, false, {}, 0, {255, 198, 255}},
    {{0, 74, 82}, false, {}, 0, {156, 247, 247}},
    {{115, 115, 74}, false, {}, 0, {231, 239, 214}},
    {{0, 0, 33}, true, {58, 107, 165}, 0.25, {148, 198, 222}},
    {{0, 0, 0}, false, {}, 0, {0, 0, 0}},
    {{206, 100, 17}, false, {}, 0, {255, 231, 148}},
    {{24, 0, 82}, true, {82, 24, 49}, 0.5, {247, 165, 99}},
    {{33, 99, 247}, false, {}, 0, {255, 255, 255}},
};

constexpr Rgb kHorizonTints[kSkyCount] = {
    {204, 136, 238}, {147, 238, 238}, {221, 187, 170}, {102, 153, 187},
    {255, 255, 255}, {255, 221, 187}, {221, 136, 85},  {187, 204, 204},
};

}  // namespace

std::optional<Rgb> SkyClearColour(int sky) {
  if (!IsSky(sky)) return std::nullopt;
  return kClearColours[sky];
}

std::optional<SkyGradient> SkyGradientOf(int sky) {
  if (!IsSky(sky)) return std::nullopt;
  return kGradients[sky];
}

std::optional<Rgb> HorizonTint(int sky) {
  if (!IsSky(sky)) return std::nullopt;
  return kHorizonTints[sky];
}

ColourF ColorWheel(double hue) {
  const int sector = static_cast<int>(std::floor(hue / 60));
  const double f = (hue - 60 * sector) / 60;
  const double q = 1 - f;
  ColourF c;
  switch (sector) {
    case 0:
      c = {1, f, 0};
      break;
    case 1:
      c = {q, 1, 0};
      break;
    case 2:
      c = {0, 1, f};
      break;
    case 3:
      c = {0, q, 1};
      break;
    case 4:
      c = {f, 0, 1};
      break;
    default:
      c = {1, 0, q};
      break;
  }
  return {c.r * 255, c.g * 255, c.b * 255};
}

double Blink(double animation_time) {
  const double twice = 2 * animation_time;
  return 255 - (twice - std::floor(twice)) * 255;
}

int Hue(double animation_time) {
  const double degrees = std::fmod(std::nearbyint(animation_time * 360), 360.0);
  return static_cast<int>(degrees < 0 ? degrees + 360 : degrees);
}

}  // namespace kurvex
