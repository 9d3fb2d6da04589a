#include "geometry/model_lists.h"

#include "geometry/model_strip.h"

namespace kurvex {

void RecordModel(int k, DrawTarget& gl) {
  using Builder = void (*)(DrawTarget&);
  static const Builder kBuilders[kModelListCount] = {model::NormalGate,    model::StartingGate,
                                                     model::Canopy,        model::VenueSkyscraper,
                                                     model::ShortBuilding, model::PyramidStructure,
                                                     model::Pinnacle,      model::OrangeSkyscraper,
                                                     model::TvBillboard,   model::Flag,
                                                     model::SpinnerFixed,  model::SpinnerTurning,
                                                     model::MonitorFixed,  model::MonitorTurning};
  if (k >= 1 && k <= kModelListCount) kBuilders[k - 1](gl);
}

void RecordPlateModel(int k, DrawTarget& gl) {
  switch (k) {
    case kDashPlateModel:
      model::DashPlate(gl);
      break;
    case kJumpPlateModel:
      model::JumpPlate(gl);
      break;
    case kTrapFieldModel:
      model::TrapField(gl);
      break;
    default:
      break;
  }
}

ModelListTable BuildModelLists(DrawTarget& gl) {
  ModelListTable table;
  for (int k = 1; k <= kModelListCount; ++k) {
    table.ModelLists[k] = gl.DisplayListBegin();
    RecordModel(k, gl);
    gl.DisplayListEnd();
  }
  for (int k = 1; k <= kPlateModelListCount; ++k) {
    table.PlateModelLists[k] = gl.DisplayListBegin();
    RecordPlateModel(k, gl);
    gl.DisplayListEnd();
  }
  return table;
}

}  // namespace kurvex
