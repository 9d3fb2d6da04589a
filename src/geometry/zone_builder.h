#pragma once
// The pit areas, dart zones and slip zones of a span: flat textured strips just above the road
// in three lanes, left, centre and right.

#include <array>
#include <cstdint>

#include "course/course.h"
#include "geometry/cross_section.h"
#include "geometry/draw_target.h"
#include "geometry/feature_switches.h"
#include "geometry/prepared_course.h"

namespace kurvex {

// Zone texture repeats per preview unit along the track.
constexpr double kZoneTextureFactor = 9.63444714219553 / 2.25;

enum ZoneKind : uint8_t { kNoZone = 0, kPitZone = 1, kDartZone = 2, kSlipZone = 3 };
enum ZoneSlot : int { kLeftSlot = 0, kRightSlot = 1, kCentreSlot = 2 };
using ZoneSlots = std::array<uint8_t, 3>;  // a ZoneKind per slot

// The zones of point i by slot: a pit area takes its slots first, then a dart zone, then a
// slip zone; a kind whose box is off is then cleared from its slots (it does not give them to
// a later kind).
ZoneSlots AssignZoneSlots(const Course& course, int i, const FeatureSwitches& switches);

// Records the zones of span i into the list that is open.
void BuildZones(int i, const Course& course, const PreparedCourse& prepared,
                const FeatureSwitches& switches, const TexOffset& offset, DrawTarget& gl);

}  // namespace kurvex
