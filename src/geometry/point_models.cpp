#include "geometry/point_models.h"

#include "geometry/surface_kind.h"

namespace kurvex {

namespace {

constexpr uint8_t kNormalGate = 0, kLapMarker = 1, kCanopyGate = 2;
enum Decoration : uint8_t {
  kTvBillboard = 0,
  kOrangeFlag = 1,
  kBlueFlag = 2,
  kSpinningBillboard = 3,
  kOverheadMonitors = 4,
};

void EnterPointFrame(const Vec3& origin, const PointFrame& frame, DrawTarget& gl) {
  gl.PushMatrix();
  gl.Translate(origin.x, origin.y, origin.z);
  gl.Rotate(frame.Yaw, 0, 1, 0);
  gl.Rotate(frame.Roll, 0, 0, 1);
  gl.Rotate(frame.Pitch, 1, 0, 0);
}

void GateFrame(int i, const Course& course, const PreparedCourse& prepared,
               const ModelListTable& models, const PropSwitches& switches, double time,
               DrawTarget& gl) {
  const PointFrame& frame = prepared.PointFrames[i];
  EnterPointFrame(prepared.MidCurve.Span(i).Samples[0], frame, gl);
  gl.ScaleFactors(frame.HalfWidth, frame.HalfWidth, frame.HalfWidth);
  const uint8_t gate = course.Gate[i];
  if (gate == kNormalGate && switches.normal_gates) {
    gl.DisplayListCall(models.ModelLists[kNormalGateModel]);
  } else if (gate == kLapMarker && switches.starting_gates) {
    gl.DisplayListCall(models.ModelLists[kStartingGateModel]);
  } else if (gate == kCanopyGate && switches.canopies) {
    gl.DisplayListCall(models.ModelLists[kCanopyModel]);
  }
  if (course.Decoration[i] == kOverheadMonitors && switches.overhead_monitors) {
    gl.TextureSelect(VenueTexture(course.Venue, 10), 0);
    gl.Translate(0, 0.5, 0);
    gl.DisplayListCall(models.ModelLists[kMonitorFixedModel]);
    gl.Rotate(180 * time, 1, 0, 0);
    gl.DisplayListCall(models.ModelLists[kMonitorTurningModel]);
  }
  gl.PopMatrix();
}

// One copy on each edge, both facing the road.
void EdgePair(int model, double left, double right, const TextureRef* texture,
              const ModelListTable& models, DrawTarget& gl) {
  if (texture != nullptr) gl.TextureSelect(*texture, 0);
  gl.PushMatrix();
  gl.Translate(-left, 0, 0);
  gl.DisplayListCall(models.ModelLists[model]);
  gl.PopMatrix();
  if (texture != nullptr) gl.TextureSelect(*texture, 0);
  gl.PushMatrix();
  gl.Translate(right, 0, 0);
  gl.Rotate(180, 0, 1, 0);
  gl.DisplayListCall(models.ModelLists[model]);
  gl.PopMatrix();
}

void Spinners(double left, double right, double time, int venue, const ModelListTable& models,
              DrawTarget& gl) {
  gl.TextureSelect(VenueTexture(venue, 11), 0);
  gl.PushMatrix();
  gl.Translate(-left - 0.03, 0, 0);
  gl.DisplayListCall(models.ModelLists[kSpinnerFixedModel]);
  gl.Rotate(-180 * time, 0, 1, 0);
  gl.DisplayListCall(models.ModelLists[kSpinnerTurningModel]);
  gl.PopMatrix();
  gl.PushMatrix();
  gl.Translate(right + 0.03, 0, 0);
  gl.Rotate(180, 0, 1, 0);
  gl.DisplayListCall(models.ModelLists[kSpinnerFixedModel]);
  gl.Rotate(180 * time, 0, 1, 0);
  gl.DisplayListCall(models.ModelLists[kSpinnerTurningModel]);
  gl.PopMatrix();
}

void DecorationFrame(int i, const Course& course, const PreparedCourse& prepared,
                     const ModelListTable& models, const PropSwitches& switches, double time,
                     DrawTarget& gl) {
  EnterPointFrame(prepared.CentreCurve.Span(i).Samples[0], prepared.PointFrames[i], gl);
  const double left = course.Points[i].LeftWidth / 1000.0;
  const double right = course.Points[i].RightWidth / 1000.0;
  const TextureRef orange = TextureRef::Model(44);
  const TextureRef blue = TextureRef::Model(43);
  switch (course.Decoration[i]) {
    case kTvBillboard:
      if (switches.tv_billboards) EdgePair(kTvBillboardModel, left, right, nullptr, models, gl);
      break;
    case kOrangeFlag:
      if (switches.orange_flags) EdgePair(kFlagModel, left, right, &orange, models, gl);
      break;
    case kBlueFlag:
      if (switches.blue_flags) EdgePair(kFlagModel, left, right, &blue, models, gl);
      break;
    case kSpinningBillboard:
      if (switches.spinning_billboards) {
        Spinners(left, right, time, course.Venue, models, gl);
      }
      break;
    default:
      break;
  }
  gl.PopMatrix();
}

// The structure model of a Structure value on one side (0 left, 1 right), 0 for none.
int StructureModel(uint8_t structure, int side, const PropSwitches& switches) {
  if (structure > 14) return 0;
  const int kind = structure / 3;
  const int sides = structure % 3;  // 0 both, 1 left, 2 right
  if (sides != 0 && sides != side + 1) return 0;
  const bool shown[5] = {switches.venue_scrapers, switches.short_buildings, switches.pyramids,
                         switches.pinnacles, switches.orange_scrapers};
  return shown[kind] ? kVenueSkyscraperModel + kind : 0;
}

void StructureFrame(int i, const Course& course, const PreparedCourse& prepared,
                    const ModelListTable& models, const PropSwitches& switches, DrawTarget& gl) {
  const CtlPoint& point = course.Points[i];
  const double left = point.LeftWidth / 1000.0;
  const double right = point.RightWidth / 1000.0;
  gl.PushMatrix();
  gl.Translate(point.X / 1000.0, 0, point.Z / 1000.0);  // on the ground, whatever the height
  gl.Rotate(prepared.PointFrames[i].Heading, 0, 1, 0);
  const int left_model = StructureModel(course.Structure[i], 0, switches);
  const int right_model = StructureModel(course.Structure[i], 1, switches);
  // Only the venue skyscraper shows the venue texture; the others bind their own.
  if (left_model == kVenueSkyscraperModel || right_model == kVenueSkyscraperModel) {
    gl.TextureSelect(VenueStructureTexture(course.Venue), 0);
  }
  gl.Translate(-left - 0.5, 0, 0);
  if (left_model != 0) gl.DisplayListCall(models.ModelLists[left_model]);
  gl.Translate(right + left + 1.0, 0, 0);
  if (right_model != 0) gl.DisplayListCall(models.ModelLists[right_model]);
  gl.PopMatrix();
}

}  // namespace

TextureRef VenueStructureTexture(int venue) {
  switch (venue) {
    case 0:
      return TextureRef::Feature(2);  // Mute City
    case 4:
      return TextureRef::Feature(3);  // Devil's Forest
    case 5:
      return TextureRef::Feature(4);  // White Land
    case 6:
      return TextureRef::Feature(5);  // Sector
    default:
      return TextureRef::Feature(1);
  }
}

void DrawPointModels(int i, const Course& course, const PreparedCourse& prepared,
                     const ModelListTable& models, const PropSwitches& switches,
                     double animation_time, DrawTarget& gl) {
  if (!IsPreparedFor(prepared, course) || i < 1 || i > course.PointCount) return;
  gl.PushMatrix();
  GateFrame(i, course, prepared, models, switches, animation_time, gl);
  DecorationFrame(i, course, prepared, models, switches, animation_time, gl);
  StructureFrame(i, course, prepared, models, switches, gl);
  gl.PopMatrix();
}

}  // namespace kurvex
