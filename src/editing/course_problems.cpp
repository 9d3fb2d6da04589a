#include "editing/course_problems.h"

#include <algorithm>
#include <cmath>

#include "course/display_names.h"
#include "course/number_text.h"
#include "course/track_type.h"
#include "editing/course_stats.h"

namespace kurvex {
namespace {

constexpr uint8_t kCenterPitArea = 3;  // the cartridge game has no centre pit area
constexpr char kRomGame[] = "the game";
constexpr char kEkGame[] = "the Expansion Kit";

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

// A stored course value as the windows show it (a tenth), rounded away from the limit it is
// compared with, so that a value just beyond a limit never reads as the limit itself.
std::string ShownAbove(double stored) {
  return std::isfinite(stored) ? FormatFixed(std::ceil(stored) / 10, 1) : "not a number";
}
std::string ShownBelow(double stored) {
  return std::isfinite(stored) ? FormatFixed(std::floor(stored) / 10, 1) : "not a number";
}
std::string ShownExact(double stored) {
  return std::isfinite(stored) ? FormatDecimals(stored / 10, 1, 3) : "not a number";
}

std::string Ordinal(int n) {
  const int tens = n % 100, ones = n % 10;
  const char* suffix = "th";
  if (tens < 11 || tens > 13) {
    if (ones == 1) suffix = "st";
    if (ones == 2) suffix = "nd";
    if (ones == 3) suffix = "rd";
  }
  return std::to_string(n) + suffix;
}

std::string JoinList(const std::vector<std::string>& items) {
  std::string text;
  for (size_t i = 0; i < items.size(); ++i) text += (i == 0 ? "" : ", ") + items[i];
  return text;
}

// One feature count rule: the problem sits at the point holding the first feature beyond the
// limit, counting in point order as the repairs do.
struct CountRule {
  const char* rule;
  const char* plural;
  int limit;
  int (*features_at)(const Course&, int);
};

int DashPlatesAt(const Course& c, int i) { return InUse(c.DashPlate[i]); }
int JumpPlatesAt(const Course& c, int i) { return InUse(c.JumpPlate[i]); }
int TrapFieldsAt(const Course& c, int i) { return InUse(c.TrapField[i]); }
int WidgetsAt(const Course& c, int i) {
  return InUse(c.Structure[i]) + InUse(c.Gate[i]) + InUse(c.Decoration[i]);
}

void AddCountProblem(const Course& course, ProblemGroup group, const CountRule& rule,
                     const char* game, std::vector<CourseProblem>& problems) {
  int total = 0, first_beyond = 0;
  for (int i = 1; i <= PointsInUse(course); ++i) {
    total += rule.features_at(course, i);
    if (first_beyond == 0 && total > rule.limit) first_beyond = i;
  }
  if (first_beyond == 0) return;
  problems.push_back({group, rule.rule, first_beyond,
                      std::to_string(total) + " " + rule.plural + ", the " +
                          Ordinal(rule.limit + 1) + " here; " + game + " takes " +
                          std::to_string(rule.limit) + " at most"});
}

void AddCountProblems(const Course& course, ProblemGroup group, const CountRule (&rules)[4],
                      const char* game, std::vector<CourseProblem>& problems) {
  for (const CountRule& rule : rules) AddCountProblem(course, group, rule, game, problems);
}

// Course-wide problems first, then by point; the rule order within a point stays.
void SortByPoint(std::vector<CourseProblem>& problems) {
  std::stable_sort(
      problems.begin(), problems.end(),
      [](const CourseProblem& a, const CourseProblem& b) { return a.point < b.point; });
}

// --- The Expansion Kit's rules at one point; each returns an empty text when the point fits.

std::string XzRangeText(const CtlPoint& p) {
  std::vector<std::string> outside;
  if (!(p.X >= -kEkMaxXZ && p.X <= kEkMaxXZ)) {
    outside.push_back("X " + (p.X < 0 ? ShownBelow(p.X) : ShownAbove(p.X)));
  }
  if (!(p.Z >= -kEkMaxXZ && p.Z <= kEkMaxXZ)) {
    outside.push_back("Z " + (p.Z < 0 ? ShownBelow(p.Z) : ShownAbove(p.Z)));
  }
  if (outside.empty()) return "";
  return JoinList(outside) + "; the Expansion Kit takes " + ShownExact(-kEkMaxXZ) + " to " +
         ShownExact(kEkMaxXZ);
}

std::string YRangeText(const CtlPoint& p) {
  if (p.Y >= 0 && p.Y <= kEkMaxY) return "";
  return "height Y " + (p.Y < 0 ? ShownBelow(p.Y) : ShownAbove(p.Y)) +
         "; the Expansion Kit takes 0.0 to " + ShownExact(kEkMaxY);
}

std::string WholeUnitsText(const CtlPoint& p) {
  std::vector<std::string> parts;
  if (!IsWholeShownUnit(p.X)) parts.push_back("X " + ShownExact(p.X));
  if (!IsWholeShownUnit(p.Y)) parts.push_back("Y " + ShownExact(p.Y));
  if (!IsWholeShownUnit(p.Z)) parts.push_back("Z " + ShownExact(p.Z));
  if (p.LeftWidth % 10 != 0) parts.push_back("left width " + ShownExact(p.LeftWidth));
  if (p.RightWidth % 10 != 0) parts.push_back("right width " + ShownExact(p.RightWidth));
  if (parts.empty()) return "";
  return JoinList(parts) + " not whole; the Expansion Kit takes whole units only";
}

std::string WidthSumText(const CtlPoint& p) {
  const int64_t sum = int64_t{p.LeftWidth} + p.RightWidth;
  if (sum <= kEkMaxWidthSum) return "";
  return "the widths add up to " + ShownExact(static_cast<double>(sum)) +
         "; the Expansion Kit takes " + ShownExact(kEkMaxWidthSum) + " at most";
}

std::string BankingText(int32_t banking) {
  if (banking % 3 == 0) return "";
  return "banking of " + std::to_string(banking) +
         "; the Expansion Kit takes multiples of 3 degrees only";
}

std::string TubeFeaturesText(const Course& c, int i) {
  if (!IsTubeType(c.Points[i].TrackCode)) return "";
  std::vector<std::string> features;
  if (InUse(c.PitArea[i])) features.push_back("a pit area");
  if (InUse(c.DartZone[i])) features.push_back("a dart zone");
  if (InUse(c.SlipZone[i])) features.push_back("a slip zone");
  if (InUse(c.JumpPlate[i])) features.push_back("a jump plate");
  if (InUse(c.TrapField[i])) features.push_back("a trap field");
  if (InUse(c.Gate[i])) features.push_back("a gate");
  if (InUse(c.Decoration[i])) features.push_back("a decoration");
  if (features.empty()) return "";
  return TrackTypeName(TrackTypeOfCode(c.Points[i].TrackCode)) + " with " + JoinList(features) +
         "; the Expansion Kit takes only dash plates and structures on Pipe, Cylinder and Half "
         "Pipe";
}

// Texture 0 of Normal (TrackCode 0) marks the finish stretch and belongs to point 1 alone.
std::string TrackCodeText(const Course& c, int i) {
  const bool finish = c.Points[i].TrackCode == 0;
  if ((i == 1) == finish) return "";
  return i == 1 ? "point 1 is not the finish stretch; the Expansion Kit needs Normal texture 0 "
                  "here"
                : "the finish stretch (Normal texture 0); the Expansion Kit takes it on point 1 "
                  "only";
}

std::string NarrowZoneText(const Course& c, int i) {
  std::vector<std::string> zones;
  if (InUse(c.PitArea[i])) zones.push_back("a pit area");
  if (InUse(c.DartZone[i])) zones.push_back("a dart zone");
  if (InUse(c.SlipZone[i])) zones.push_back("a slip zone");
  if (zones.empty()) return "";
  const int next = NextPoint(c, i);
  const int narrowest = std::min(WidthSum(c, i), WidthSum(c, next));
  if (narrowest >= kEkMinZoneWidthSum) return "";
  return JoinList(zones) + " on track " + ShownExact(narrowest) + " wide (points " +
         std::to_string(i) + " to " + std::to_string(next) + "); the Expansion Kit needs " +
         ShownExact(kEkMinZoneWidthSum) + " or more";
}

std::string ChordText(const Course& c, const PreparedCourse& geometry, int i) {
  const double chord = geometry.ChordLength[i];
  if (chord >= kEkMinChordLength) return "";
  return "control points " + std::to_string(i) + " and " + std::to_string(NextPoint(c, i)) +
         " are " + ShownBelow(chord) + " apart; the Expansion Kit needs " +
         ShownExact(kEkMinChordLength) + " or more";
}

void AddPointProblems(const Course& c, const PreparedCourse* geometry, int i,
                      std::vector<CourseProblem>& problems) {
  const CtlPoint& p = c.Points[i];
  const std::pair<const char*, std::string> checks[] = {
      {"ek-xz-range", XzRangeText(p)},
      {"ek-y-range", YRangeText(p)},
      {"ek-whole-units", WholeUnitsText(p)},
      {"ek-width-sum", WidthSumText(p)},
      {"ek-banking", BankingText(c.Banking[i])},
      {"ek-pipe-features", TubeFeaturesText(c, i)},
      {"ek-track-code", TrackCodeText(c, i)},
      {"ek-narrow-zone", NarrowZoneText(c, i)},
      {"ek-chord-length", geometry != nullptr ? ChordText(c, *geometry, i) : ""},
  };
  for (const auto& [rule, text] : checks) {
    if (!text.empty()) problems.push_back({ProblemGroup::kEk, rule, i, text});
  }
}

void AddCourseWideEkProblems(const Course& c, const PreparedCourse* geometry,
                             std::vector<CourseProblem>& problems) {
  if (geometry == nullptr) {
    problems.push_back({ProblemGroup::kEk, "ek-course-length", 0,
                        "the course length cannot be measured: " + std::to_string(c.PointCount) +
                            " control points, a course needs " + std::to_string(kMinPoints) +
                            " to " + std::to_string(kMaxPoints)});
  } else if (!(geometry->CourseLength <= kEkMaxCourseLength)) {
    // Course lengths are kept in preview units, a hundredth of what the windows show.
    problems.push_back({ProblemGroup::kEk, "ek-course-length", 0,
                        "the course is " + ShownAbove(geometry->CourseLength * 1000) +
                            " long; the Expansion Kit takes 25,000.0 at most"});
  }
  if (c.Venue == kGpEndingVenue) {
    problems.push_back({ProblemGroup::kEk, "ek-venue", 0,
                        "the venue is GP Ending; the Expansion Kit does not take it"});
  }
}

constexpr CountRule kRomCountRules[4] = {
    {"rom-dash-plates", "dash plates", kRomMaxDashPlates, DashPlatesAt},
    {"rom-jump-plates", "jump plates", kRomMaxJumpPlates, JumpPlatesAt},
    {"rom-trap-fields", "trap fields", kRomMaxTrapFields, TrapFieldsAt},
    {"rom-widgets", "widgets (structures, gates, decorations)", kRomMaxWidgets, WidgetsAt},
};
constexpr CountRule kEkCountRules[4] = {
    {"ek-dash-plates", "dash plates", kEkMaxDashPlates, DashPlatesAt},
    {"ek-jump-plates", "jump plates", kEkMaxJumpPlates, JumpPlatesAt},
    {"ek-trap-fields", "trap fields", kEkMaxTrapFields, TrapFieldsAt},
    {"ek-widgets", "widgets (structures, gates, decorations)", kEkMaxWidgets, WidgetsAt},
};

}  // namespace

bool operator==(const CourseProblem& a, const CourseProblem& b) {
  return a.group == b.group && a.rule == b.rule && a.point == b.point && a.text == b.text;
}

const std::vector<std::string>& ProblemRuleIds() {
  static const std::vector<std::string> ids = {
      "rom-dash-plates",  "rom-jump-plates",  "rom-trap-fields", "rom-widgets",
      "rom-pit-center",   "ek-dash-plates",   "ek-jump-plates",  "ek-trap-fields",
      "ek-widgets",       "ek-course-length", "ek-venue",        "ek-xz-range",
      "ek-y-range",       "ek-whole-units",   "ek-width-sum",    "ek-banking",
      "ek-pipe-features", "ek-track-code",    "ek-narrow-zone",  "ek-chord-length",
  };
  return ids;
}

std::vector<CourseProblem> RomProblems(const Course& course) {
  std::vector<CourseProblem> problems;
  AddCountProblems(course, ProblemGroup::kRom, kRomCountRules, kRomGame, problems);
  for (int i = 1; i <= PointsInUse(course); ++i) {
    if (course.PitArea[i] == kCenterPitArea) {
      problems.push_back({ProblemGroup::kRom, "rom-pit-center", i,
                          "a Center pit area; the game takes pit areas on the sides only"});
    }
  }
  SortByPoint(problems);
  return problems;
}

std::vector<CourseProblem> EkProblems(const Course& course, const PreparedCourse* geometry) {
  std::vector<CourseProblem> problems;
  AddCountProblems(course, ProblemGroup::kEk, kEkCountRules, kEkGame, problems);
  AddCourseWideEkProblems(course, geometry, problems);
  for (int i = 1; i <= PointsInUse(course); ++i) AddPointProblems(course, geometry, i, problems);
  SortByPoint(problems);
  return problems;
}

std::vector<CourseProblem> CourseProblems(const Course& course, const PreparedCourse& prepared) {
  PreparedCourse scratch;
  std::vector<CourseProblem> problems = RomProblems(course);
  const std::vector<CourseProblem> ek =
      EkProblems(course, MeasuredGeometry(course, prepared, scratch));
  problems.insert(problems.end(), ek.begin(), ek.end());
  return problems;
}

std::string ProblemLine(const CourseProblem& problem) {
  const std::string where =
      problem.point > 0 ? "point " + std::to_string(problem.point) + ": " : "";
  return where + problem.rule + ": " + problem.text;
}

std::string ProblemCountText(const std::vector<CourseProblem>& problems) {
  if (problems.empty()) return "No problems";
  const auto rom = std::count_if(problems.begin(), problems.end(), [](const CourseProblem& p) {
    return p.group == ProblemGroup::kRom;
  });
  const auto count = [](long n, const char* group) {
    return std::to_string(n) + " " + group + (n == 1 ? " problem" : " problems");
  };
  return count(rom, "ROM") + ", " + count(static_cast<long>(problems.size()) - rom, "EK");
}

}  // namespace kurvex
