#include "preview/settings_switches.h"

namespace kurvex {

FeatureSwitches FeatureSwitchesOf(const GraphicsSettings& settings) {
  const auto& on = settings.features;
  FeatureSwitches switches;
  switches.pit_areas = on[kShowPitAreas];
  switches.dart_zones = on[kShowDartZones];
  switches.slip_zones = on[kShowSlipZones];
  switches.dash_plates = on[kShowDashPlates];
  switches.jump_plates = on[kShowJumpPlates];
  switches.trap_fields = on[kShowTrapFields];
  return switches;
}

PropSwitches PropSwitchesOf(const GraphicsSettings& settings) {
  const auto& on = settings.features;
  PropSwitches switches;
  switches.normal_gates = on[kShowGates];
  switches.starting_gates = on[kShowStartGates];
  switches.canopies = on[kShowCanopies];
  switches.overhead_monitors = on[kShowOverheadMonitors];
  switches.tv_billboards = on[kShowTvBillboards];
  switches.orange_flags = on[kShowOrangeFlags];
  switches.blue_flags = on[kShowBlueFlags];
  switches.spinning_billboards = on[kShowSpinningBillboards];
  switches.venue_scrapers = on[kShowVenueScrapers];
  switches.short_buildings = on[kShowShortBuildings];
  switches.pyramids = on[kShowPyramids];
  switches.pinnacles = on[kShowPinnacles];
  switches.orange_scrapers = on[kShowOrangeScrapers];
  return switches;
}

}  // namespace kurvex
