// kurvex-cli's whole-course commands: stats, check, friendly, transform.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>

#include "course/course_files.h"
#include "course/new_course.h"
#include "process_runner.h"
#include "scratch_dir.h"
#include "test_courses.h"

namespace kurvex {
namespace {

namespace fs = std::filesystem;
using test::RunProgram;

class EditingCliTest : public ::testing::Test {
 protected:
  std::string Path(const std::string& name) const { return dir_.Path(name); }
  std::string Save(const Course& course, const std::string& name) const {
    EXPECT_TRUE(SaveKurvFile(Path(name), course).ok);
    return Path(name);
  }
  static Course Load(const std::string& path) {
    Course course = NewCourse();
    EXPECT_TRUE(LoadKurvFile(path, course).ok);
    return course;
  }
  static test::ProcessResult Cli(const std::vector<std::string>& args) {
    return RunProgram(KURVEX_CLI, args);
  }

  test::ScratchDir dir_;
};

TEST_F(EditingCliTest, StatsPrintsNineLabelledLines) {
  Course course = NewCourse();
  course.DashPlate[1] = 0;
  course.TrapField[2] = 1;
  const auto result = Cli({"stats", Save(course, "a.kurv")});
  EXPECT_EQ(result.exit_status, 0) << result.err;
  EXPECT_EQ(result.out,
            "CTL Points: 4\nCourse Length: 3073.867\nDash Plates: 1\nJump Plates: 0\n"
            "Trap Fields: 1\nWidgets: 1\nEK Friendly: Yes\nROM Friendly: Yes\n"
            "Lap Line: Segment 1\n");
}

TEST_F(EditingCliTest, CheckListsProblemsAsALinter) {
  const std::string fitting = Save(NewCourse(), "fits.kurv");
  auto result = Cli({"check", fitting});
  EXPECT_EQ(result.exit_status, 0) << result.err;
  EXPECT_EQ(result.out, "");
  result = Cli({"check", "--json", fitting});
  EXPECT_EQ(result.exit_status, 0);
  EXPECT_EQ(result.out, "{\"rom_friendly\": true, \"ek_friendly\": true, \"problems\": []}\n");

  Course course = test::RingCourse(8);
  test::RoundCoordinates(course, 10);
  test::SetTrackCode(course, 1, 0);  // the finish stretch
  for (int i = 1; i <= 5; ++i) course.JumpPlate[i] = 0;
  course.Banking[2] = 1;
  course.Venue = 10;  // GP Ending
  const std::string broken = Save(course, "broken.kurv");
  result = Cli({"check", broken});
  EXPECT_EQ(result.exit_status, 1);
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(result.out,
            "point 5: rom-jump-plates: 5 jump plates, the 5th here; the game takes 4 at most\n"
            "ek-venue: the venue is GP Ending; the Expansion Kit does not take it\n"
            "point 2: ek-banking: banking of 1; the Expansion Kit takes multiples of 3 degrees "
            "only\n");
  result = Cli({"check", broken, "--json"});
  EXPECT_EQ(result.exit_status, 1);
  EXPECT_EQ(result.out,
            "{\"rom_friendly\": false, \"ek_friendly\": false, \"problems\": ["
            "{\"rule\": \"rom-jump-plates\", \"point\": 5, \"text\": \"5 jump plates, the 5th "
            "here; the game takes 4 at most\"}, "
            "{\"rule\": \"ek-venue\", \"point\": null, \"text\": \"the venue is GP Ending; the "
            "Expansion Kit does not take it\"}, "
            "{\"rule\": \"ek-banking\", \"point\": 2, \"text\": \"banking of 1; the Expansion "
            "Kit takes multiples of 3 degrees only\"}]}\n");

  // A course that cannot be read fails as every command does; usage errors are 2.
  result = Cli({"check", Path("missing.kurv")});
  EXPECT_EQ(result.exit_status, 1);
  EXPECT_EQ(result.out, "");
  EXPECT_NE(result.err.find("missing.kurv"), std::string::npos);
  EXPECT_EQ(Cli({"check"}).exit_status, 2);
  EXPECT_EQ(Cli({"check", fitting, broken}).exit_status, 2);
  EXPECT_EQ(Cli({"check", fitting, "--ek"}).exit_status, 2);
  result = Cli({"check", "--help"});
  EXPECT_EQ(result.exit_status, 0);
  EXPECT_NE(result.out.find("ek-chord-length"), std::string::npos);
  EXPECT_NE(Cli({"--help"}).out.find("  check       "), std::string::npos);
}

TEST_F(EditingCliTest, FriendlyRepairsAndReportsWithoutFailing) {
  Course course = NewCourse();
  course.Banking[2] = 359;
  course.Points[4] = {0, 0, 5030, 260, 260, 0x1800, 2};  // 3 shown units from point 3
  course.Points[3] = {0, 0, 5000, 260, 260, 0x1800, 3};
  const auto ek = Cli({"friendly", "--ek", Save(course, "a.kurv"), Path("ek.kurv")});
  EXPECT_EQ(ek.exit_status, 0);
  EXPECT_EQ(ek.err.substr(0, 36), "There is 1 case where control points");
  EXPECT_EQ(Load(Path("ek.kurv")).Banking[2], 0);  // 360 is stored as 0 in a KURV file

  for (int i = 1; i <= 4; ++i) course.JumpPlate[i] = 0;
  course.PointCount = 4;
  const auto rom = Cli({"friendly", "--rom", Save(course, "b.kurv"), Path("rom.txt")});
  EXPECT_EQ(rom.exit_status, 0);
  EXPECT_EQ(rom.err, "");
  EXPECT_EQ(Cli({"friendly", "--both", Path("b.kurv"), Path("x.kurv")}).exit_status, 2);
}

TEST_F(EditingCliTest, TransformAppliesOptionsInOrder) {
  const std::string in = Save(NewCourse(), "a.kurv");
  EXPECT_EQ(Cli({"transform", in, Path("moved.kurv"), "--translate", "100,5,0"}).exit_status, 0);
  const Course moved = Load(Path("moved.kurv"));
  EXPECT_EQ(moved.Points[1].X, 1000.0f);
  EXPECT_EQ(moved.Points[1].Y, 50.0f);

  EXPECT_EQ(Cli({"transform", in, Path("scaled.kurv"), "--scale", "2", "--scale-width", "--center"})
                .exit_status,
            0);
  const Course scaled = Load(Path("scaled.kurv"));
  EXPECT_EQ(scaled.Points[3].Z, 10000.0f);
  EXPECT_EQ(scaled.Points[3].LeftWidth, 520);

  EXPECT_EQ(Cli({"transform", in, Path("x.kurv"), "--scale", "0"}).exit_status, 2);
  EXPECT_EQ(Cli({"transform", in, Path("x.kurv"), "--rotate", "1,2"}).exit_status, 2);
  EXPECT_EQ(Cli({"transform", in, Path("x.kurv"), "--spin"}).exit_status, 2);
  EXPECT_FALSE(fs::exists(Path("x.kurv")));
}

}  // namespace
}  // namespace kurvex
