#include "geometry/plate_builder.h"

#include "course/track_type.h"

namespace kurvex {

namespace {

constexpr double kPyramidScale = 0.025;
// Distance from the axis of the eight-sided pipe and cylinder to the middle of a face, per unit
// of half width: cos 22.5 degrees.
constexpr double kFaceDistance = 0.92387953251128674;

void Pyramid(const ModelListTable& models, DrawTarget& gl) {
  gl.PushMatrix();
  gl.ScaleFactors(kPyramidScale, kPyramidScale, kPyramidScale);
  gl.DisplayListCall(models.PlateModelLists[kTrapFieldModel]);
  gl.PopMatrix();
}

void JumpPlate(const SpanCurves& span, uint8_t position, const ModelListTable& models,
               DrawTarget& gl) {
  const PlatePlace place = PlatePlaceAt(span, 0.05, kFromEnd);
  EnterPlateFrame(place, gl);
  double w = (place.half_width - 0.025) / 2;
  if (position == 0) w *= 2;
  if (position == 1) gl.Translate(-w - 0.0125, 0, 0);
  if (position == 2) gl.Translate(w + 0.0125, 0, 0);
  gl.ScaleFactors(w, 0.025, 0.025);
  gl.DisplayListCall(models.PlateModelLists[kJumpPlateModel]);
  gl.PopMatrix();
}

void TrapField(const SpanCurves& span, uint8_t position, const ModelListTable& models,
               DrawTarget& gl) {
  if (position == 0) {
    for (int k = 1; k <= 4; ++k) {
      const PlatePlace place = PlatePlaceAt(span, k / 5.0, kFraction);
      EnterPlateFrame(place, gl);
      if (k % 2 == 1) {
        gl.Translate(-place.half_width / 2, 0, 0);
        Pyramid(models, gl);
        gl.Translate(place.half_width, 0, 0);
      }
      Pyramid(models, gl);
      gl.PopMatrix();
    }
    return;
  }
  const double sigma = position == 1 ? -1 : 1;
  for (int k = 1; k <= 6; ++k) {
    const PlatePlace place = PlatePlaceAt(span, (k - 1) / 6.0, kFraction);
    EnterPlateFrame(place, gl);
    if (k % 2 == 1) {
      gl.Translate(sigma * place.half_width / 2, 0, 0);
    } else {
      gl.Translate(sigma * (place.half_width - 0.025 - 0.025 / 2), 0, 0);
    }
    Pyramid(models, gl);
    gl.PopMatrix();
  }
}

void DashPlate(const SpanCurves& span, PlateKind kind, uint8_t position,
               const ModelListTable& models, DrawTarget& gl) {
  const PlatePlace place = PlatePlaceAt(span, 2.0 / 3, kFraction);
  const double hw = place.half_width;
  EnterPlateFrame(place, gl);
  double s = 0.045;
  switch (kind) {
    case kFlatPlates:
      s = (hw - 0.005) * 5 / 18;
      if (s < 0.045) s = 0.045;
      gl.Translate(0, 0.01, 0);
      if (position == 1) gl.Translate(-hw + s + 0.025, 0, 0);
      if (position == 2) gl.Translate(hw - s - 0.025, 0, 0);
      break;
    case kPipePlates: {
      static const double kTurn[3] = {-22.5, 112.5, -157.5};  // bottom, right side, top
      gl.Rotate(kTurn[position], 0, 0, 1);
      gl.Translate(0, 0.01 - kFaceDistance * hw, 0);
      break;
    }
    case kCylinderPlates: {
      static const double kTurn[3] = {157.5, 22.5, -67.5};  // top, bottom, left side
      gl.Rotate(kTurn[position], 0, 0, 1);
      gl.Translate(0, -0.01 - kFaceDistance * hw, 0);
      break;
    }
    case kHalfPipePlates:
      gl.Translate(0, -0.1, 0);
      if (position == 1) gl.Rotate(-50, 0, 0, 1);
      if (position == 2) gl.Rotate(50, 0, 0, 1);
      gl.Translate(0, 0.025 - hw, 0);
      break;
  }
  gl.ScaleFactors(s, s, s);
  gl.DisplayListCall(models.PlateModelLists[kDashPlateModel]);
  gl.PopMatrix();
}

}  // namespace

PlateKind PlateKindOf(int32_t track_code) {
  switch (TrackTypeOfCode(track_code)) {
    case kPipe:
      return kPipePlates;
    case kCylinder:
      return kCylinderPlates;
    case kHalfPipe:
      return kHalfPipePlates;
    default:
      return kFlatPlates;
  }
}

PlatePlace PlatePlaceAt(const SpanCurves& span, double value, SpanMeasure mode) {
  const SpanPoint mid = PointAlongSpan(span.mid, value, mode);
  const SpanPoint right = PointAlongSpan(span.right, value, mode);
  return {mid.point, Distance(mid.point, right.point),
          FrameAnglesOf(mid.point, right.point, AheadOf(span, mid.point, mid.upper))};
}

void EnterPlateFrame(const PlatePlace& place, DrawTarget& gl) {
  // The same turns as the gate frame and the cross-sections: yaw about y, roll about z, pitch
  // about x.
  gl.PushMatrix();
  gl.Translate(place.origin.x, place.origin.y, place.origin.z);
  gl.Rotate(RadToDeg(-place.angles.a1), 0, 1, 0);
  gl.Rotate(RadToDeg(place.angles.a3), 0, 0, 1);
  gl.Rotate(RadToDeg(-place.angles.a2), 1, 0, 0);
}

void BuildPlates(int i, const Course& course, const PreparedCourse& prepared,
                 const FeatureSwitches& switches, const ModelListTable& models, DrawTarget& gl) {
  const PlateKind kind = PlateKindOf(course.Points[i].TrackCode);
  const SpanCurves span(prepared, i);
  const uint8_t jump = course.JumpPlate[i];
  const uint8_t trap = course.TrapField[i];
  const uint8_t dash = course.DashPlate[i];
  gl.TexturesEnable();
  gl.Cull(2);
  // Values above 2 name no position ("(Invalid)") and draw nothing.
  if (switches.jump_plates && jump <= 2 && kind == kFlatPlates) JumpPlate(span, jump, models, gl);
  if (switches.trap_fields && trap <= 2 && kind == kFlatPlates) TrapField(span, trap, models, gl);
  gl.Cull(0);
  if (switches.dash_plates && dash <= 2) DashPlate(span, kind, dash, models, gl);
  gl.TexturesDisable();
}

}  // namespace kurvex
