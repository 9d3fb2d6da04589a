#pragma once
// Every switch, colour and number that controls what the preview draws, with its default.

#include <array>
#include <cstdint>
#include <string>

namespace kurvex {

struct Rgb {
  uint8_t r = 0, g = 0, b = 0;
  bool operator==(const Rgb& o) const { return r == o.r && g == o.g && b == o.b; }
};

// The guide lines over the course, in the order of the settings file.
enum LineKind : int {
  kLineFloorGrid = 0,
  kLineGameDataSpline,
  kLineLeftSpline,
  kLineRightSpline,
  kLineCenterSpline,
  kLineCtlDots,
  kLineSegmentLines,
  kLineKindCount,
};

struct LineSetting {
  bool enabled = true;
  Rgb colour;
  bool antialiasing = false;
};

// The feature kinds the preview can hide, in the order of the settings file.
enum FeatureSwitch : int {
  kShowStartGates = 0,
  kShowGates,
  kShowCanopies,
  kShowTvBillboards,
  kShowOrangeFlags,
  kShowBlueFlags,
  kShowSpinningBillboards,
  kShowOverheadMonitors,
  kShowPitAreas,
  kShowDartZones,
  kShowSlipZones,
  kShowVenueScrapers,
  kShowShortBuildings,
  kShowPyramids,
  kShowPinnacles,
  kShowOrangeScrapers,
  kShowDashPlates,
  kShowJumpPlates,
  kShowTrapFields,
  kFeatureSwitchCount,
};

struct GraphicsSettings {
  GraphicsSettings();

  std::array<LineSetting, kLineKindCount> lines;
  bool venue_floor = true;
  bool track_surface = true;
  bool tunnel_exteriors = true;
  bool tunnel_transparency = true;
  int16_t tunnel_transparency_percent = 50;
  double segment_distance = 0.25;
  bool animation_timer = true;
  bool use_sky_colour = true;  // otherwise clear_colour
  Rgb clear_colour;
  bool red_blinkers = true;
  bool floor_transparency = true;
  int16_t floor_transparency_percent = 50;
  bool texture_filtering = false;
  bool wireframe = false;
  bool sky_gradient = true;
  bool horizon_images = true;
  std::array<bool, kFeatureSwitchCount> features;
  // The marks of the course's problems; kept by the editor, not in the settings file.
  bool problem_markers = true;
};

// Six upper-case hexadecimal digits, two each for red, green and blue.
std::string DrawHex(const Rgb& colour);
// A colour box's text: hexadecimal digits only (either case), padded on the left to six; any
// other text leaves the colour as it was and returns false.
bool DoHex(const std::string& text, Rgb& colour);
// A transparency box: round(number) within 0..100.
int16_t TransparencyFromNumber(double number);
// The segment distance box: at least 0.01.
double SegmentDistanceFromNumber(double number);

}  // namespace kurvex
