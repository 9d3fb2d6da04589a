#include "geometry/zone_builder.h"

#include <array>

namespace kurvex {

namespace {

constexpr double kZoneHeight = 0.015;

void Assign(uint8_t side, uint8_t kind, ZoneSlots& slots) {
  auto take = [&](int slot) {
    if (slots[slot] == kNoZone) slots[slot] = kind;
  };
  switch (side) {
    case 0:
      take(kLeftSlot);
      take(kRightSlot);
      break;
    case 1:
      take(kLeftSlot);
      break;
    case 2:
      take(kRightSlot);
      break;
    case 3:
      take(kCentreSlot);
      break;
    default:
      break;  // none, or a value no editor writes
  }
}

struct ZoneSection {
  std::array<Vec3, 4> points;  // the lane bounds from left to right
  double half_width;
  double t;  // v of the middle group
};

ZoneSection Section(const CrossSection& section) {
  const double hw = section.half_width;
  const double bounds[4] = {-hw + 0.005, -0.1, 0.1, hw - 0.005};
  ZoneSection zone;
  for (int b = 0; b < 4; ++b) zone.points[b] = section.frame.Apply({bounds[b], kZoneHeight, 0});
  zone.half_width = hw;
  zone.t = section.v[1];
  return zone;
}

double Extent(int slot, double hw) {
  if (slot == kCentreSlot) return 0.2 * kZoneTextureFactor;
  return (hw - 0.105) * kZoneTextureFactor * 2 / 3;
}

void Strip(int slot, const ZoneSection& a, const ZoneSection& b, DrawTarget& gl) {
  // Lane bounds: left slot 0..1, centre 1..2, right 2..3.
  const int from = slot == kLeftSlot ? 0 : (slot == kCentreSlot ? 1 : 2);
  const int to = from + 1;
  gl.DrawSubTriangleStrip();
  gl.TexturePoint(Extent(slot, a.half_width), a.t);
  gl.Vertex(a.points[from].x, a.points[from].y, a.points[from].z);
  gl.TexturePoint(Extent(slot, b.half_width), b.t);
  gl.Vertex(b.points[from].x, b.points[from].y, b.points[from].z);
  gl.TexturePoint(0, a.t);
  gl.Vertex(a.points[to].x, a.points[to].y, a.points[to].z);
  gl.TexturePoint(0, b.t);
  gl.Vertex(b.points[to].x, b.points[to].y, b.points[to].z);
  gl.EndSub();
}

}  // namespace

ZoneSlots AssignZoneSlots(const Course& course, int i, const FeatureSwitches& switches) {
  ZoneSlots slots = {kNoZone, kNoZone, kNoZone};
  Assign(course.PitArea[i], kPitZone, slots);
  Assign(course.DartZone[i], kDartZone, slots);
  Assign(course.SlipZone[i], kSlipZone, slots);
  for (uint8_t& slot : slots) {
    if ((slot == kPitZone && !switches.pit_areas) || (slot == kDartZone && !switches.dart_zones) ||
        (slot == kSlipZone && !switches.slip_zones)) {
      slot = kNoZone;
    }
  }
  return slots;
}

void BuildZones(int i, const Course& course, const PreparedCourse& prepared,
                const FeatureSwitches& switches, const TexOffset& offset, DrawTarget& gl) {
  gl.TexturesEnable();
  gl.DrawColor(255, 255, 255, 255);
  // The strips give their front side to the road below them: cull it, so the zones show from
  // above whatever culling the list before them left.
  gl.Cull(1);
  const ZoneSlots slots = AssignZoneSlots(course, i, switches);
  if (slots[0] == kNoZone && slots[1] == kNoZone && slots[2] == kNoZone) return;

  const SpanCurves span(prepared, i);
  ZoneSection previous = Section(SampleSection(span, 0, kZoneTextureFactor, offset));
  for (int k = 1; k < span.mid.Count(); ++k) {
    const ZoneSection current = Section(SampleSection(span, k, kZoneTextureFactor, offset));
    for (int slot : {kLeftSlot, kRightSlot, kCentreSlot}) {
      if (slots[slot] == kNoZone) continue;
      gl.TextureSelect(TextureRef::Zone(slots[slot]), 0);
      Strip(slot, previous, current, gl);
    }
    previous = current;
  }
}

}  // namespace kurvex
