#include "editing/course_problems.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <limits>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "course/track_type.h"
#include "editing/course_stats.h"
#include "editing/friendly.h"
#include "test_courses.h"

namespace kurvex {
namespace {

using test::SetType;

// A ring that fits both games: whole shown units, point 1 the finish stretch, no features.
Course FittingRing(int n, float radius = 12000) {
  Course course = test::RingCourse(n, radius);
  test::RoundCoordinates(course, 10);
  test::SetTrackCode(course, 1, 0);
  return course;
}

std::vector<CourseProblem> ProblemsOf(const Course& course) {
  PreparedCourse prepared;
  PrepareCourse(course, kDefaultSegmentDistance, prepared);
  return CourseProblems(course, prepared);
}

// "rule@point" of every problem, in list order.
std::vector<std::string> Located(const std::vector<CourseProblem>& problems) {
  std::vector<std::string> located;
  for (const CourseProblem& p : problems) located.push_back(p.rule + "@" + std::to_string(p.point));
  return located;
}

using Strings = std::vector<std::string>;

TEST(CourseProblems, FittingCoursesHaveNone) {
  EXPECT_TRUE(ProblemsOf(FittingRing(4, 5000)).empty());
  EXPECT_TRUE(ProblemsOf(FittingRing(64)).empty());
  EXPECT_EQ(ProblemCountText({}), "No problems");
}

// Features on every other point, so that the count and the point number differ: the limit
// fits, one more is a problem at the point holding it.
TEST(CourseProblems, FeatureCountsAtTheirLimitAndOneBeyond) {
  using Put = std::function<void(Course&, int)>;
  const std::vector<std::tuple<const char*, int, Put>> cases = {
      {"rom-dash-plates", 20, [](Course& c, int i) { c.DashPlate[i] = 0; }},
      {"rom-jump-plates", 4, [](Course& c, int i) { c.JumpPlate[i] = 0; }},
      {"rom-trap-fields", 8, [](Course& c, int i) { c.TrapField[i] = 0; }},
      {"ek-dash-plates", 32, [](Course& c, int i) { c.DashPlate[i] = 1; }},
      {"ek-jump-plates", 8, [](Course& c, int i) { c.JumpPlate[i] = 1; }},
      {"ek-trap-fields", 8, [](Course& c, int i) { c.TrapField[i] = 1; }},
  };
  for (const auto& [rule_id, limit, put] : cases) {
    const std::string rule = rule_id;
    Course course = FittingRing(64);
    const int step = 2 * limit + 2 <= 64 ? 2 : 1;
    for (int k = 1; k <= limit; ++k) put(course, step * k);
    const std::vector<CourseProblem> at_limit = ProblemsOf(course);
    EXPECT_EQ(std::count_if(at_limit.begin(), at_limit.end(),
                            [&](const CourseProblem& p) { return p.rule == rule; }),
              0)
        << rule;
    put(course, step * limit + 1);
    put(course, step * limit + 2);  // a second one beyond gives no second problem
    const std::vector<CourseProblem> beyond = ProblemsOf(course);
    const auto found = std::find_if(beyond.begin(), beyond.end(),
                                    [&](const CourseProblem& p) { return p.rule == rule; });
    ASSERT_NE(found, beyond.end()) << rule;
    EXPECT_EQ(found->point, step * limit + 1) << rule;
    EXPECT_EQ(std::count_if(beyond.begin(), beyond.end(),
                            [&](const CourseProblem& p) { return p.rule == rule; }),
              1)
        << rule;
  }
}

TEST(CourseProblems, WidgetsCountStructuresGatesAndDecorationsTogether) {
  Course course = FittingRing(12);
  for (int i = 1; i <= 5; ++i) course.Structure[i] = course.Gate[i] = course.Decoration[i] = 0;
  course.Gate[6] = 0;  // the 16th widget
  EXPECT_TRUE(ProblemsOf(course).empty()) << "16 widgets fit the Expansion Kit";
  course.Decoration[8] = 0;  // the 17th
  std::vector<CourseProblem> problems = ProblemsOf(course);
  EXPECT_EQ(Located(problems), Strings({"ek-widgets@8"}));
  EXPECT_EQ(ProblemLine(problems[0]),
            "point 8: ek-widgets: 17 widgets (structures, gates, decorations), the 17th here; "
            "the Expansion Kit takes 16 at most");

  for (int i = 9; i <= 11; ++i) course.Structure[i] = 0;  // 20: the game's limit
  EXPECT_TRUE(RomProblems(course).empty());
  course.Structure[12] = 0;
  problems = RomProblems(course);
  EXPECT_EQ(Located(problems), Strings({"rom-widgets@12"}));
  EXPECT_EQ(problems[0].text,
            "21 widgets (structures, gates, decorations), the 21st here; the game takes 20 at "
            "most");
}

TEST(CourseProblems, CentrePitAreasAtEveryPointThatHasOne) {
  Course course = FittingRing(12);
  course.PitArea[3] = 2;  // Right
  EXPECT_TRUE(RomProblems(course).empty());
  course.PitArea[3] = course.PitArea[9] = 3;
  const std::vector<CourseProblem> problems = RomProblems(course);
  EXPECT_EQ(Located(problems), Strings({"rom-pit-center@3", "rom-pit-center@9"}));
  EXPECT_EQ(problems[0].text, "a Center pit area; the game takes pit areas on the sides only");
  EXPECT_EQ(problems[0].group, ProblemGroup::kRom);
}

TEST(CourseProblems, CourseLengthAndVenueBelongToTheWholeCourse) {
  Course course = FittingRing(12);
  PreparedCourse prepared;
  PrepareCourse(course, kDefaultSegmentDistance, prepared);
  prepared.CourseLength = 250;
  EXPECT_TRUE(EkProblems(course, &prepared).empty());
  prepared.CourseLength = 250.0004;  // 25,000.04 shown
  std::vector<CourseProblem> problems = EkProblems(course, &prepared);
  ASSERT_EQ(Located(problems), Strings({"ek-course-length@0"}));
  EXPECT_EQ(ProblemLine(problems[0]),
            "ek-course-length: the course is 25000.1 long; the Expansion Kit takes 25,000.0 at "
            "most");

  course.Venue = kGpEndingVenue;
  course.DashPlate[5] = 0;
  course.Banking[5] = 1;
  problems = EkProblems(course, &prepared);
  EXPECT_EQ(Located(problems), Strings({"ek-course-length@0", "ek-venue@0", "ek-banking@5"}));
  EXPECT_EQ(problems[1].text, "the venue is GP Ending; the Expansion Kit does not take it");

  course.PointCount = 70;  // cannot be prepared, so cannot be measured
  EXPECT_EQ(Located(EkProblems(course, nullptr)).front(), "ek-course-length@0");
  EXPECT_FALSE(IsEkFriendly(course, PreparedCourse{}));
}

// One change per case on a fitting course: the value at the limit fits, the value beyond is
// one problem of the rule at the named point, with the text given.
TEST(CourseProblems, PointRulesAtTheirLimitAndOneBeyond) {
  using Change = std::function<void(Course&)>;
  struct Case {
    const char* rule;
    Change at_limit, beyond;
    int point;
    const char* text;
  };
  const std::vector<Case> cases = {
      {"ek-xz-range", [](Course& c) { c.Points[4].X = 15000; },
       [](Course& c) { c.Points[4].X = 15010, c.Points[4].Z = -15010; }, 4,
       "X 1501.0, Z -1501.0; the Expansion Kit takes -1500.0 to 1500.0"},
      {"ek-y-range", [](Course& c) { c.Points[3].Y = 5000; },
       [](Course& c) { c.Points[3].Y = 5010; }, 3,
       "height Y 501.0; the Expansion Kit takes 0.0 to 500.0"},
      {"ek-y-range", [](Course& c) { c.Points[3].Y = 0; }, [](Course& c) { c.Points[3].Y = -10; },
       3, "height Y -1.0; the Expansion Kit takes 0.0 to 500.0"},
      {"ek-whole-units", [](Course& c) { c.Points[2].Y = 10, c.Points[2].LeftWidth = 250; },
       [](Course& c) { c.Points[2].Y = 15, c.Points[2].LeftWidth = 251; }, 2,
       "Y 1.5, left width 25.1 not whole; the Expansion Kit takes whole units only"},
      {"ek-width-sum", [](Course& c) { c.Points[5].LeftWidth = c.Points[5].RightWidth = 1000; },
       [](Course& c) { c.Points[5].LeftWidth = 1000, c.Points[5].RightWidth = 1010; }, 5,
       "the widths add up to 201.0; the Expansion Kit takes 200.0 at most"},
      {"ek-banking", [](Course& c) { c.Banking[6] = 357; }, [](Course& c) { c.Banking[6] = 359; },
       6, "banking of 359; the Expansion Kit takes multiples of 3 degrees only"},
      {"ek-pipe-features",
       [](Course& c) { SetType(c, 7, kPipe), c.DashPlate[7] = c.Structure[7] = 0; },
       [](Course& c) { SetType(c, 7, kCylinder), c.Gate[7] = c.SlipZone[7] = 0; }, 7,
       "Cylinder with a slip zone, a gate; the Expansion Kit takes only dash plates and "
       "structures on Pipe, Cylinder and Half Pipe"},
      {"ek-track-code", [](Course&) {}, [](Course& c) { c.Points[5].TrackCode = 0; }, 5,
       "the finish stretch (Normal texture 0); the Expansion Kit takes it on point 1 only"},
      {"ek-track-code", [](Course&) {}, [](Course& c) { c.Points[1].TrackCode = 2; }, 1,
       "point 1 is not the finish stretch; the Expansion Kit needs Normal texture 0 here"},
      // The zone's own point is wide enough, the next one is not: the span from 3 is too narrow.
      {"ek-narrow-zone",
       [](Course& c) {
         c.Points[4].LeftWidth = 100, c.Points[4].RightWidth = 100, c.PitArea[3] = 1;
       },
       [](Course& c) {
         c.Points[4].LeftWidth = 100, c.Points[4].RightWidth = 90, c.PitArea[3] = 1;
       },
       3, "a pit area on track 19.0 wide (points 3 to 4); the Expansion Kit needs 20.0 or more"},
      // Point 10 is (300, 400) from point 9, 50.0 shown; then (170, 470), 49.98 shown.
      {"ek-chord-length",
       [](Course& c) { c.Points[10] = c.Points[9], c.Points[10].X += 300, c.Points[10].Z += 400; },
       [](Course& c) { c.Points[10] = c.Points[9], c.Points[10].X += 170, c.Points[10].Z += 470; },
       9, "control points 9 and 10 are 49.9 apart; the Expansion Kit needs 50.0 or more"},
  };
  for (const Case& c : cases) {
    Course course = FittingRing(12);
    c.at_limit(course);
    EXPECT_EQ(Located(ProblemsOf(course)), Strings{}) << c.rule << " at its limit";
    course = FittingRing(12);
    c.beyond(course);
    const std::vector<CourseProblem> problems = ProblemsOf(course);
    ASSERT_EQ(Located(problems), Strings({std::string(c.rule) + "@" + std::to_string(c.point)}))
        << c.text;
    EXPECT_EQ(problems[0].text, c.text);
    EXPECT_EQ(problems[0].group, ProblemGroup::kEk);
  }
}

TEST(CourseProblems, NotANumberIsOutOfRangeAndNotWhole) {
  Course course = FittingRing(12);
  course.Points[4].Z = std::numeric_limits<float>::quiet_NaN();
  const std::vector<CourseProblem> problems = EkProblems(course, nullptr);
  const auto z = std::find_if(problems.begin(), problems.end(),
                              [](const CourseProblem& p) { return p.rule == "ek-xz-range"; });
  ASSERT_NE(z, problems.end());
  EXPECT_EQ(z->point, 4);
  EXPECT_EQ(z->text, "Z not a number; the Expansion Kit takes -1500.0 to 1500.0");
}

TEST(CourseProblems, ListedByGroupThenPointAndCounted) {
  Course course = FittingRing(12);
  course.PitArea[6] = 3;    // rom-pit-center@6 (and nothing for the kit: wide enough)
  course.Banking[9] = 1;    // ek-banking@9
  course.Points[2].X += 5;  // ek-whole-units@2
  course.Venue = kGpEndingVenue;
  const std::vector<CourseProblem> problems = ProblemsOf(course);
  EXPECT_EQ(Located(problems),
            Strings({"rom-pit-center@6", "ek-venue@0", "ek-whole-units@2", "ek-banking@9"}));
  EXPECT_EQ(ProblemCountText(problems), "1 ROM problem, 3 EK problems");
  course.PitArea[7] = 3;
  EXPECT_EQ(ProblemCountText(ProblemsOf(course)), "2 ROM problems, 3 EK problems");
}

// Random courses, far from fitting: the verdicts are "Yes" exactly when nothing of their group
// is listed, every problem names a known rule of its group at a point of the course, and what
// the repairs leave behind is what they report.
TEST(CourseProblems, AgreeWithTheVerdictsAndTheRepairsOnManyCourses) {
  std::mt19937 random(19);
  const auto pick = [&](int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random);
  };
  int rom_yes = 0, ek_yes = 0;
  for (int round = 0; round < 300; ++round) {
    const int n = pick(4, 64);
    Course course = FittingRing(n, static_cast<float>(pick(2000, 16000)));
    for (int change = pick(0, 6); change > 0; --change) {
      const int i = pick(1, n);
      switch (pick(0, 11)) {
        case 0:
          for (int k = pick(0, n); k > 0; --k) course.DashPlate[pick(1, n)] = 0;
          break;
        case 1:
          course.JumpPlate[i] = course.TrapField[i] = 1;
          break;
        case 2:
          course.Gate[i] = course.Structure[i] = course.Decoration[i] = 2;
          break;
        case 3:
          course.PitArea[i] = static_cast<uint8_t>(pick(0, 3));
          break;
        case 4:
          course.Points[i].X += static_cast<float>(pick(-4000, 4000));
          break;
        case 5:
          course.Points[i].Y = static_cast<float>(pick(-100, 6000));
          break;
        case 6:
          course.Points[i].LeftWidth = pick(50, 1950);
          break;
        case 7:
          course.Banking[i] = pick(0, 359);
          break;
        case 8:
          SetType(course, i, pick(0, 7));
          course.SlipZone[i] = 0;
          break;
        case 9:
          course.Points[i] = course.Points[NextPoint(course, i)];
          break;
        case 10:
          course.Venue = static_cast<uint8_t>(pick(0, 10));
          break;
        default:
          course.Points[i].TrackCode = 0;
          break;
      }
    }
    PreparedCourse prepared;
    PrepareCourse(course, kDefaultSegmentDistance, prepared);
    const std::vector<CourseProblem> problems = CourseProblems(course, prepared);
    const auto listed = [&](ProblemGroup group) {
      return std::any_of(problems.begin(), problems.end(),
                         [&](const CourseProblem& p) { return p.group == group; });
    };
    const CourseStats stats = Stats(course, prepared);
    ASSERT_EQ(stats.rom_friendly, !listed(ProblemGroup::kRom)) << round;
    ASSERT_EQ(stats.ek_friendly, !listed(ProblemGroup::kEk)) << round;
    rom_yes += stats.rom_friendly;
    ek_yes += stats.ek_friendly;
    for (const CourseProblem& p : problems) {
      const std::string prefix = p.group == ProblemGroup::kRom ? "rom-" : "ek-";
      EXPECT_EQ(p.rule.rfind(prefix, 0), 0u) << p.rule;
      EXPECT_NE(std::find(ProblemRuleIds().begin(), ProblemRuleIds().end(), p.rule),
                ProblemRuleIds().end());
      EXPECT_TRUE(p.point >= 0 && p.point <= n) << ProblemLine(p);
    }

    Course rom = course;
    RomFriendly(rom);
    for (const CourseProblem& p : RomProblems(rom)) {
      ASSERT_EQ(p.rule, "rom-pit-center") << round;  // reported only, never repaired
    }
    const std::vector<Message> reports = EkFriendly(course, kDefaultSegmentDistance, prepared);
    int chords = 0, lengths = 0;
    for (const CourseProblem& p : EkProblems(course, &prepared)) {
      ASSERT_TRUE(p.rule == "ek-chord-length" || p.rule == "ek-course-length") << ProblemLine(p);
      chords += p.rule == "ek-chord-length";
      lengths += p.rule == "ek-course-length";
    }
    EXPECT_EQ(reports.size(), static_cast<size_t>((chords > 0) + lengths)) << round;
  }
  // The generator reaches both verdicts.
  EXPECT_GT(rom_yes, 0);
  EXPECT_LT(rom_yes, 300);
  EXPECT_GT(ek_yes, 0);
  EXPECT_LT(ek_yes, 300);
}

}  // namespace
}  // namespace kurvex
