#pragma once
// The prop models: gates, structures, decorations and the three plates placed on the road.
// Each is one display list in its own frame (x across the road to the right, y up, z along the
// road), built once per drawing context.

#include <array>
#include <cstdint>

#include "geometry/draw_target.h"

namespace kurvex {

enum ModelList : int {
  kNormalGateModel = 1,
  kStartingGateModel = 2,
  kCanopyModel = 3,
  kVenueSkyscraperModel = 4,
  kShortBuildingModel = 5,
  kPyramidModel = 6,
  kPinnacleModel = 7,
  kOrangeSkyscraperModel = 8,
  kTvBillboardModel = 9,
  kFlagModel = 10,
  kSpinnerFixedModel = 11,
  kSpinnerTurningModel = 12,
  kMonitorFixedModel = 13,
  kMonitorTurningModel = 14,
};
constexpr int kModelListCount = 14;

enum PlateModelList : int { kDashPlateModel = 1, kJumpPlateModel = 2, kTrapFieldModel = 3 };
constexpr int kPlateModelListCount = 3;

// List names, 0 for none; index 0 is unused.
struct ModelListTable {
  std::array<int32_t, kModelListCount + 1> ModelLists{};
  std::array<int32_t, kPlateModelListCount + 1> PlateModelLists{};
};

// Records the model k (1..14) or plate model k (1..3) into the list that is open.
void RecordModel(int k, DrawTarget& gl);
void RecordPlateModel(int k, DrawTarget& gl);

// Builds the 17 lists in order, ModelLists 1..14 then PlateModelLists 1..3.
ModelListTable BuildModelLists(DrawTarget& gl);

}  // namespace kurvex
