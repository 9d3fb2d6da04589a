#include "editing/point_edits.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "course/track_type.h"
#include "course/validate.h"
#include "editing/edit_result.h"
#include "geometry/point_along_span.h"

namespace kurvex {

namespace {

constexpr int kMinWidth = 50, kMaxWidth = 1950;

int32_t RoundToInt(double v) { return static_cast<int32_t>(std::nearbyint(v)); }

// Type bits of a point for the junction rule: 0 for Normal and no track.
int JunctionBits(int32_t track_code) {
  return track_code == kNoTrackCode ? 0 : (track_code & 0x1F0);
}

// Type number of a point for the delete rule: 0 no track, 1 Normal, ...
int DeleteTypeNumber(int32_t track_code) {
  return track_code == kNoTrackCode ? 0 : (track_code & 0x1F0) / 64 + 1;
}

PointArray<uint8_t> Course::*const kFeatures[] = {
    &Course::PitArea,  &Course::DashPlate, &Course::DartZone,
    &Course::SlipZone, &Course::JumpPlate, &Course::TrapField,
    &Course::Gate,     &Course::Structure, &Course::Decoration};

void ClearPoint(Course& course, int i) {
  CtlPoint& p = course.Points[i];
  p.X = p.Y = p.Z = 0;
  p.LeftWidth = p.RightWidth = 0;
  p.TrackFlags = 0;
  for (auto feature : kFeatures) (course.*feature)[i] = kNone;
}

}  // namespace

void SetCoordinate(Course& course, int i, Axis axis, double shown, const Extremes& extremes) {
  Coordinate(course.Points[i], axis) = static_cast<float>(extremes.Clamp(axis, shown * 10));
}

void SetWidth(Course& course, int i, bool left, double shown) {
  int32_t& width = left ? course.Points[i].LeftWidth : course.Points[i].RightWidth;
  // Clamped before the conversion, so a huge number cannot wrap around the int32 range.
  width = RoundToInt(std::clamp(std::nearbyint(shown * 10), double{kMinWidth}, double{kMaxWidth}));
}

int32_t NormaliseBanking(double degrees) {
  // fmod is exact, also for whole numbers far beyond the int32 range.
  double b = std::fmod(std::nearbyint(degrees), 360.0);
  if (b < 0) b += 360;
  const int32_t result = RoundToInt(b);
  return result >= 360 ? result - 360 : result;
}

double DragSpeedFromShown(double shown) { return shown * 10; }

double AddOffsetFromShown(double shown) { return std::clamp(shown / 100, 0.1, 0.9); }

int16_t ChangeTrackType(Course& course, int i, int track_type) {
  if (track_type < kNoTrack || track_type > kNoWall) return kEditUnknownError;
  const int t = track_type == kNoTrack ? 0 : TrackCodeFor(track_type, 0);
  if (t != 0) {
    for (int neighbour : {PreviousPoint(course, i), NextPoint(course, i)}) {
      const int bits = JunctionBits(course.Points[neighbour].TrackCode);
      if (bits != 0 && bits != t) return kEditTrackMismatch;
    }
  }
  CtlPoint& p = course.Points[i];
  p.TrackCode = track_type == kNormal ? TrackCodeFor(kNormal, 2) : TrackCodeFor(track_type, 0);
  p.TrackFlags = TrackFlagsForType(track_type);
  return kEditOk;
}

void ChangeTexture(Course& course, int i, int list_index) {
  CtlPoint& p = course.Points[i];
  const int type = TrackTypeOfCode(p.TrackCode);
  if (type == kNoTrack) return;
  const int texture = (type == kNormal && list_index >= 1) ? list_index + 1 : list_index;
  p.TrackCode = TrackCodeFor(type, texture);
}

void SetFeatureFromList(PointArray<uint8_t>& feature, int i, int list_index) {
  feature[i] = list_index <= 0 ? kNone : static_cast<uint8_t>(list_index - 1);
}

void ChangeZone(Course& course, int i, ZoneKind zone, int v) {
  PointArray<uint8_t>* zones[] = {&course.PitArea, &course.DartZone, &course.SlipZone};
  for (int other = 0; other < 3; ++other) {
    if (other == zone || v < 0) continue;
    uint8_t& value = (*zones[other])[i];
    switch (v) {
      case 0:
        if (value != 3) value = kNone;
        break;
      case 1:
        value = value == 0 ? 2 : value == 1 ? kNone : value;
        break;
      case 2:
        value = value == 0 ? 1 : value == 2 ? kNone : value;
        break;
      case 3:
        if (value == 3) value = kNone;
        break;
    }
  }
  (*zones[zone])[i] = v < 0 ? kNone : static_cast<uint8_t>(v);
}

uint8_t StructureFromControls(int kind_list_index, bool left, bool right) {
  const int kind = kind_list_index - 1;
  if (kind < 0 || (!left && !right)) return kNone;
  return static_cast<uint8_t>(kind * 3 + (left && right ? 0 : left ? 1 : 2));
}

void MovePoint(Course& course, int from, int to) {
  course.Points[to] = course.Points[from];
  course.Banking[to] = course.Banking[from];
  for (auto feature : kFeatures) (course.*feature)[to] = (course.*feature)[from];
}

int16_t AddPoint(Course& course, const PreparedCourse& prepared, int c, double add_offset,
                 const Extremes& extremes, int* new_point) {
  if (course.PointCount >= kMaxPoints) return kEditTooManyPoints;
  if (!IsPreparedFor(prepared, course) || c < 1 || c > course.PointCount) {
    return kEditNotPrepared;
  }
  const Vec3 on_curve = CentrePointAtFraction(prepared, c, add_offset);
  for (int k = course.PointCount; k >= c; --k) MovePoint(course, k, k + 1);
  ++course.PointCount;
  const int added = c + 1;
  const int q = c + 2 > course.PointCount ? 1 : c + 2;

  CtlPoint& p = course.Points[added];
  p.X = static_cast<float>(extremes.Clamp(kAxisX, on_curve.x * 1000));
  p.Y = static_cast<float>(extremes.Clamp(kAxisY, on_curve.y * 1000));
  p.Z = static_cast<float>(extremes.Clamp(kAxisZ, on_curve.z * 1000));
  p.LeftWidth = RoundToInt((course.Points[c].LeftWidth + course.Points[q].LeftWidth) / 2.0);
  p.RightWidth = RoundToInt((course.Points[c].RightWidth + course.Points[q].RightWidth) / 2.0);
  // Averaging across north (350 and 10) must give 0, not 180.
  int32_t bank = RoundToInt((course.Banking[c] + course.Banking[q]) / 2.0);
  if (std::abs(bank - course.Banking[c]) > 90) bank -= 180;
  course.Banking[added] = NormaliseBanking(bank);
  for (auto feature :
       {&Course::JumpPlate, &Course::Gate, &Course::Structure, &Course::Decoration}) {
    (course.*feature)[added] = kNone;
  }
  if (new_point) *new_point = added;
  return kEditOk;
}

int16_t DeletePoint(Course& course, int c, int* selected) {
  if (course.PointCount <= kMinPoints) return kEditTooFewPoints;
  if (c < 1 || c > course.PointCount) return kEditUnknownError;
  const int before = DeleteTypeNumber(course.Points[PreviousPoint(course, c)].TrackCode);
  const int after = DeleteTypeNumber(course.Points[NextPoint(course, c)].TrackCode);
  if (before != after && before > 1 && after > 1) return kEditDeleteMismatch;
  for (int k = c; k < course.PointCount; ++k) MovePoint(course, k + 1, k);
  ClearPoint(course, course.PointCount);
  --course.PointCount;
  if (selected) *selected = std::min<int>(c, course.PointCount);
  return kEditOk;
}

void MakeFirst(Course& course, int c) {
  constexpr int kSpare = kMaxPoints + 1;
  for (int step = 1; step < c; ++step) {
    MovePoint(course, 1, kSpare);
    for (int k = 2; k <= course.PointCount; ++k) MovePoint(course, k, k - 1);
    MovePoint(course, kSpare, course.PointCount);
  }
}

void SeparateCoincidentNeighbours(Course& course) {
  for (int k = 1; k < course.PointCount; ++k) {
    const CtlPoint& a = course.Points[k];
    CtlPoint& b = course.Points[k + 1];
    while (a.X == b.X && a.Y == b.Y && a.Z == b.Z) LiftCoincidentPoint(b);
  }
}

}  // namespace kurvex
