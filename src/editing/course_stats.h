#pragma once
// The statistics of a course as the Course Properties window shows them: point and feature
// counts, the course length, whether the course fits the cartridge game's limits ("ROM
// friendly") and the Expansion Kit's ("EK friendly"), and where the lap line lies.

#include <string>
#include <vector>

#include "course/course.h"
#include "geometry/prepared_course.h"

namespace kurvex {

// Limits of the cartridge game.
constexpr int kRomMaxDashPlates = 20;
constexpr int kRomMaxJumpPlates = 4;
constexpr int kRomMaxTrapFields = 8;
constexpr int kRomMaxWidgets = 20;
// Limits of the Expansion Kit, in stored course units where they are lengths.
constexpr int kEkMaxDashPlates = 32;
constexpr int kEkMaxJumpPlates = 8;
constexpr int kEkMaxTrapFields = 8;
constexpr int kEkMaxWidgets = 16;
constexpr double kEkMaxCourseLength = 250;  // preview units (25,000 shown)
constexpr double kEkMaxXZ = 15000;
constexpr double kEkMaxY = 5000;
constexpr int kEkMaxWidthSum = 2000;
constexpr int kEkMinZoneWidthSum = 200;
constexpr double kEkMinChordLength = 500;
constexpr int kGpEndingVenue = 10;

struct CourseFeatureCounts {
  int dash_plates = 0;
  int jump_plates = 0;
  int trap_fields = 0;
  int widgets = 0;  // gates + structures + decorations
};

struct CourseStats {
  int points = 0;
  double course_length = 0;  // preview units
  CourseFeatureCounts counts;
  bool ek_friendly = false;
  bool rom_friendly = false;
  std::string lap_line;  // "Segment N" or "(Undetermined)"
};

// Features in use (values below 255) over points 1..PointCount.
CourseFeatureCounts CountFeatures(const Course& course);

// The course's geometry: `prepared` when it holds the course's curves, else a fresh preparation
// in `scratch`; null when the course cannot be prepared at all (a point count outside 4..64).
const PreparedCourse* MeasuredGeometry(const Course& course, const PreparedCourse& prepared,
                                       PreparedCourse& scratch);

// "Yes" exactly when RomProblems / EkProblems (course_problems.h) list nothing.
bool IsRomFriendly(const Course& course);
// Uses the chord lengths and course length of `prepared`, which must hold the course's
// geometry; when it does not, the course is prepared afresh for the check.
bool IsEkFriendly(const Course& course, const PreparedCourse& prepared);

// The last point of the first run of points with TrackCode 0 (searching from point 1), or 0
// when no point has TrackCode 0.
int LapLinePoint(const Course& course);
std::string LapLineText(const Course& course);

CourseStats Stats(const Course& course, const PreparedCourse& prepared);

// The nine "Label: value" lines of the statistics frame, in its order.
std::vector<std::string> StatsLines(const CourseStats& stats);

}  // namespace kurvex
