#include "editing/course_stats.h"

#include <algorithm>
#include <cmath>

#include "course/number_text.h"
#include "course/track_type.h"
#include "geometry/geometry_result.h"

namespace kurvex {
namespace {

// Never walk past the point arrays, whatever PointCount holds.
int PointsInUse(const Course& course) { return std::min<int>(course.PointCount, kMaxPoints); }

bool InUse(uint8_t value) { return value < kNone; }

bool IsWholeShownUnit(double stored) { return std::fmod(stored, 10.0) == 0.0; }

int WidthSum(const Course& course, int i) {
  return course.Points[i].LeftWidth + course.Points[i].RightWidth;
}

bool IsTubeType(int32_t track_code) {
  const int type = TrackTypeOfCode(track_code);
  return type == kPipe || type == kCylinder || type == kHalfPipe;
}

bool PositionFits(const CtlPoint& p) {
  // Each test is written so that a NaN coordinate fails it.
  return p.X >= -kEkMaxXZ && p.X <= kEkMaxXZ && p.Z >= -kEkMaxXZ && p.Z <= kEkMaxXZ && p.Y >= 0 &&
         p.Y <= kEkMaxY && IsWholeShownUnit(p.X) && IsWholeShownUnit(p.Y) && IsWholeShownUnit(p.Z);
}

bool WidthsFit(const CtlPoint& p) {
  return p.LeftWidth % 10 == 0 && p.RightWidth % 10 == 0 &&
         p.LeftWidth + p.RightWidth <= kEkMaxWidthSum;
}

// Tubes cannot carry side features other than dash plates and structures.
bool TubeFeaturesFit(const Course& course, int i) {
  if (!IsTubeType(course.Points[i].TrackCode)) return true;
  return !InUse(course.PitArea[i]) && !InUse(course.DartZone[i]) && !InUse(course.SlipZone[i]) &&
         !InUse(course.JumpPlate[i]) && !InUse(course.TrapField[i]) && !InUse(course.Gate[i]) &&
         !InUse(course.Decoration[i]);
}

// Texture 0 of Normal (TrackCode 0) marks the finish stretch and belongs to point 1 alone.
bool FinishStretchFits(const Course& course, int i) {
  return (i == 1) == (course.Points[i].TrackCode == 0);
}

bool ZonesFit(const Course& course, int i) {
  if (!InUse(course.PitArea[i]) && !InUse(course.DartZone[i]) && !InUse(course.SlipZone[i])) {
    return true;
  }
  return WidthSum(course, i) >= kEkMinZoneWidthSum &&
         WidthSum(course, NextPoint(course, i)) >= kEkMinZoneWidthSum;
}

bool EkPointFits(const Course& course, const PreparedCourse& prepared, int i) {
  const CtlPoint& p = course.Points[i];
  return PositionFits(p) && WidthsFit(p) && course.Banking[i] % 3 == 0 &&
         TubeFeaturesFit(course, i) && FinishStretchFits(course, i) && ZonesFit(course, i) &&
         prepared.ChordLength[i] >= kEkMinChordLength;
}

// The course's geometry: `prepared` when it belongs to the course, else a fresh preparation
// in `scratch`; null when the course cannot be prepared at all.
const PreparedCourse* GeometryOf(const Course& course, const PreparedCourse& prepared,
                                 PreparedCourse& scratch) {
  if (IsPreparedFor(prepared, course)) return &prepared;
  if (PrepareCourse(course, kDefaultSegmentDistance, scratch) != kGeometryOk) return nullptr;
  return &scratch;
}

bool IsEkFriendlyWith(const Course& course, const PreparedCourse* geometry) {
  if (geometry == nullptr) return false;
  const CourseFeatureCounts counts = CountFeatures(course);
  if (counts.dash_plates > kEkMaxDashPlates || counts.jump_plates > kEkMaxJumpPlates ||
      counts.trap_fields > kEkMaxTrapFields || counts.widgets > kEkMaxWidgets) {
    return false;
  }
  if (!(geometry->CourseLength <= kEkMaxCourseLength) || course.Venue == kGpEndingVenue) {
    return false;
  }
  for (int i = 1; i <= PointsInUse(course); ++i) {
    if (!EkPointFits(course, *geometry, i)) return false;
  }
  return true;
}

}  // namespace

CourseFeatureCounts CountFeatures(const Course& course) {
  CourseFeatureCounts counts;
  for (int i = 1; i <= PointsInUse(course); ++i) {
    counts.dash_plates += InUse(course.DashPlate[i]);
    counts.jump_plates += InUse(course.JumpPlate[i]);
    counts.trap_fields += InUse(course.TrapField[i]);
    counts.widgets +=
        InUse(course.Gate[i]) + InUse(course.Structure[i]) + InUse(course.Decoration[i]);
  }
  return counts;
}

bool IsRomFriendly(const Course& course) {
  const CourseFeatureCounts counts = CountFeatures(course);
  if (counts.dash_plates > kRomMaxDashPlates || counts.jump_plates > kRomMaxJumpPlates ||
      counts.trap_fields > kRomMaxTrapFields || counts.widgets > kRomMaxWidgets) {
    return false;
  }
  constexpr uint8_t kCenter = 3;  // the cartridge game has no centre pit area
  for (int i = 1; i <= PointsInUse(course); ++i) {
    if (course.PitArea[i] == kCenter) return false;
  }
  return true;
}

bool IsEkFriendly(const Course& course, const PreparedCourse& prepared) {
  PreparedCourse scratch;
  return IsEkFriendlyWith(course, GeometryOf(course, prepared, scratch));
}

int LapLinePoint(const Course& course) {
  int last = 0;
  for (int i = 1; i <= PointsInUse(course); ++i) {
    if (course.Points[i].TrackCode == 0) {
      last = i;
    } else if (last != 0) {
      break;
    }
  }
  return last;
}

std::string LapLineText(const Course& course) {
  const int point = LapLinePoint(course);
  return point == 0 ? "(Undetermined)" : "Segment " + std::to_string(point);
}

CourseStats Stats(const Course& course, const PreparedCourse& prepared) {
  PreparedCourse scratch;
  const PreparedCourse* geometry = GeometryOf(course, prepared, scratch);
  CourseStats stats;
  stats.points = course.PointCount;
  stats.course_length = geometry != nullptr ? geometry->CourseLength : 0;
  stats.counts = CountFeatures(course);
  stats.ek_friendly = IsEkFriendlyWith(course, geometry);
  stats.rom_friendly = IsRomFriendly(course);
  stats.lap_line = LapLineText(course);
  return stats;
}

std::vector<std::string> StatsLines(const CourseStats& stats) {
  const auto yes_no = [](bool b) { return std::string(b ? "Yes" : "No"); };
  return {
      "CTL Points: " + std::to_string(stats.points),
      "Course Length: " + FormatFixed(stats.course_length * 100, 3),
      "Dash Plates: " + std::to_string(stats.counts.dash_plates),
      "Jump Plates: " + std::to_string(stats.counts.jump_plates),
      "Trap Fields: " + std::to_string(stats.counts.trap_fields),
      "Widgets: " + std::to_string(stats.counts.widgets),
      "EK Friendly: " + yes_no(stats.ek_friendly),
      "ROM Friendly: " + yes_no(stats.rom_friendly),
      "Lap Line: " + stats.lap_line,
  };
}

}  // namespace kurvex
