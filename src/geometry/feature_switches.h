#pragma once
// The Graphics Settings boxes the builders obey. Zone and plate boxes act when the lists are
// built; prop boxes act on every frame.

namespace kurvex {

struct FeatureSwitches {
  bool pit_areas = true;
  bool dart_zones = true;
  bool slip_zones = true;
  bool dash_plates = true;
  bool jump_plates = true;
  bool trap_fields = true;
};

struct PropSwitches {
  bool normal_gates = true;
  bool starting_gates = true;
  bool canopies = true;
  bool overhead_monitors = true;
  bool tv_billboards = true;
  bool orange_flags = true;
  bool blue_flags = true;
  bool spinning_billboards = true;
  bool venue_scrapers = true;
  bool short_buildings = true;
  bool pyramids = true;
  bool pinnacles = true;
  bool orange_scrapers = true;
};

}  // namespace kurvex
