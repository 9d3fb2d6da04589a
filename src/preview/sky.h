#pragma once
// The colours of the eight skies and the frame's cycling colours, without any drawing.

#include <optional>

#include "preview/graphics_settings.h"

namespace kurvex {

constexpr int kSkyCount = 8;
constexpr int kNightSky = 4;

// The clear colour of a sky; none for a value outside 0..7 (the clear colour then stays).
std::optional<Rgb> SkyClearColour(int sky);

// The sky gradient, one strip from top to bottom: the top colour at y = 3 and 1, for some skies
// a middle colour on a row of its own, the bottom colour at y = 0 and -3.
struct SkyGradient {
  Rgb top;
  bool has_middle = false;
  Rgb middle;
  double middle_y = 0;
  Rgb bottom;
};
std::optional<SkyGradient> SkyGradientOf(int sky);

// The tint of the horizon images under a sky.
std::optional<Rgb> HorizonTint(int sky);

// The fully saturated colour of a hue in degrees (0 <= hue < 360), components 0..255.
struct ColourF {
  double r = 0, g = 0, b = 0;
};
ColourF ColorWheel(double hue);

// The frame's cycling values at an animation time in seconds: the red blinker's level, a
// sawtooth falling from 255 to 0 twice a second, and the rainbow's hue, one turn a second.
double Blink(double animation_time);
int Hue(double animation_time);

}  // namespace kurvex
