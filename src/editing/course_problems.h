#pragma once
// What keeps a course from loading in the cartridge game or in the Expansion Kit, as a list of
// problems, each located at the point it belongs to. The statistics' "ROM Friendly" and "EK
// Friendly" verdicts are read off these lists, so the two never disagree.

#include <string>
#include <vector>

#include "course/course.h"
#include "geometry/prepared_course.h"

namespace kurvex {

enum class ProblemGroup { kRom, kEk };

struct CourseProblem {
  ProblemGroup group = ProblemGroup::kRom;
  std::string rule;  // a fixed id, "ek-chord-length"
  int point = 0;     // 1..PointCount, or 0 for the whole course
  std::string text;  // what is wrong and what the limit is, one line
};

bool operator==(const CourseProblem& a, const CourseProblem& b);

// Every rule id, ROM rules first, in the order the lists report them at one point.
const std::vector<std::string>& ProblemRuleIds();

// The cartridge game's problems, by point (course-wide ones first).
std::vector<CourseProblem> RomProblems(const Course& course);
// The Expansion Kit's problems, by point. `geometry` holds the course's prepared curves, or is
// null when the course cannot be prepared (then the course length cannot be measured, which
// is itself a problem).
std::vector<CourseProblem> EkProblems(const Course& course, const PreparedCourse* geometry);
// Both lists, ROM first. Uses `prepared` when it belongs to the course, else prepares afresh.
std::vector<CourseProblem> CourseProblems(const Course& course, const PreparedCourse& prepared);

// "point 7: ek-chord-length: TEXT", or "ek-venue: TEXT" for the whole course.
std::string ProblemLine(const CourseProblem& problem);
// "3 ROM problems, 5 EK problems", "No problems".
std::string ProblemCountText(const std::vector<CourseProblem>& problems);

}  // namespace kurvex
