#include "preview/settings_rules.h"

#include <algorithm>
#include <cmath>

#include "editing/extremes.h"
#include "editing/point_edits.h"

namespace kurvex {

namespace {

void GraphicsRules(GraphicsSettings& graphics) {
  const GraphicsSettings defaults;
  graphics.tunnel_transparency_percent =
      TransparencyFromNumber(graphics.tunnel_transparency_percent);
  graphics.floor_transparency_percent = TransparencyFromNumber(graphics.floor_transparency_percent);
  graphics.segment_distance = std::isfinite(graphics.segment_distance)
                                  ? SegmentDistanceFromNumber(graphics.segment_distance)
                                  : defaults.segment_distance;
}

void ElementRules(ElementSettings& element) {
  const ElementSettings defaults;
  element.add_offset = std::isfinite(element.add_offset)
                           ? AddOffsetFromShown(element.add_offset * 100)
                           : defaults.add_offset;
  if (!std::isfinite(element.drag_speed)) element.drag_speed = defaults.drag_speed;
  for (int axis = 0; axis < 3; ++axis) {
    double& low = element.min[axis];
    double& high = element.max[axis];
    if (!std::isfinite(low)) low = defaults.min[axis];
    if (!std::isfinite(high)) high = defaults.max[axis];
    low = std::clamp(low, kHardMin[axis], kHardMax[axis]);
    high = std::clamp(high, kHardMin[axis], kHardMax[axis]);
    if (high < low) high = low;  // as the maximum box does
  }
}

void PlacementRules(WindowPlacement& window) {
  // Fractions of the screen: a window may hang over an edge, but not lie far beyond it.
  for (double* v : {&window.left, &window.top, &window.width, &window.height}) {
    if (!std::isfinite(*v)) *v = 0;
    *v = std::clamp(*v, -1.0, 2.0);
  }
  window.width = std::max(window.width, 0.0);
  window.height = std::max(window.height, 0.0);
}

}  // namespace

void ApplyBoxRules(Settings& settings) {
  GraphicsRules(settings.graphics);
  Camera camera;
  camera.Restore(settings.camera);
  settings.camera = camera.values();
  ElementRules(settings.element);
  for (WindowPlacement& window : settings.windows) PlacementRules(window);
}

}  // namespace kurvex
