#pragma once
// The Graphics Settings feature boxes as the geometry builders take them.

#include "geometry/feature_switches.h"
#include "preview/graphics_settings.h"

namespace kurvex {

// Zones and plates: these act when the lists are built.
FeatureSwitches FeatureSwitchesOf(const GraphicsSettings& settings);
// Gates, decorations and structures: these act on every frame.
PropSwitches PropSwitchesOf(const GraphicsSettings& settings);

}  // namespace kurvex
