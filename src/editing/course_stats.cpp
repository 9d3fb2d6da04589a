#include "editing/course_stats.h"

#include <algorithm>
#include <cmath>

#include "course/number_text.h"
#include "editing/course_problems.h"
#include "geometry/geometry_result.h"

namespace kurvex {
namespace {

// Never walk past the point arrays, whatever PointCount holds.
int PointsInUse(const Course& course) { return std::min<int>(course.PointCount, kMaxPoints); }

bool InUse(uint8_t value) { return value < kNone; }

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

const PreparedCourse* MeasuredGeometry(const Course& course, const PreparedCourse& prepared,
                                       PreparedCourse& scratch) {
  if (IsPreparedFor(prepared, course)) return &prepared;
  if (PrepareCourse(course, kDefaultSegmentDistance, scratch) != kGeometryOk) return nullptr;
  return &scratch;
}

// The verdicts are read off the problem lists, so the lists never disagree with them.
bool IsRomFriendly(const Course& course) { return RomProblems(course).empty(); }

bool IsEkFriendly(const Course& course, const PreparedCourse& prepared) {
  PreparedCourse scratch;
  return EkProblems(course, MeasuredGeometry(course, prepared, scratch)).empty();
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
  const PreparedCourse* geometry = MeasuredGeometry(course, prepared, scratch);
  CourseStats stats;
  stats.points = course.PointCount;
  stats.course_length = geometry != nullptr ? geometry->CourseLength : 0;
  stats.counts = CountFeatures(course);
  stats.ek_friendly = EkProblems(course, geometry).empty();
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
