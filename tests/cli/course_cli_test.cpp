// kurvex-cli's course commands: exit codes, messages and output bytes.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>

#include "course/datasheet.h"
#include "course/file_io.h"
#include "course/kurv_file.h"
#include "course/new_course.h"
#include "course/version.h"
#include "process_runner.h"
#include "scratch_dir.h"

namespace kurvex {
namespace {

namespace fs = std::filesystem;
using test::RunProgram;

class CourseCliTest : public ::testing::Test {
 protected:
  std::string Path(const std::string& name) const { return dir_.Path(name); }
  static test::ProcessResult Cli(const std::vector<std::string>& args) {
    return RunProgram(KURVEX_CLI, args);
  }
  static std::string Contents(const std::string& path) {
    const std::vector<uint8_t> bytes = test::FileBytes(path);
    return std::string(bytes.begin(), bytes.end());
  }

  test::ScratchDir dir_;
};

TEST_F(CourseCliTest, NewWritesThe141ByteCourseAndSheetPrintsIt) {
  const auto made = Cli({"new", Path("x.kurv")});
  EXPECT_EQ(made.exit_status, 0) << made.err;
  EXPECT_EQ(fs::file_size(Path("x.kurv")), 141u);
  const auto sheet = Cli({"sheet", Path("x.kurv")});
  EXPECT_EQ(sheet.exit_status, 0);
  EXPECT_EQ(sheet.out, GenDatasheet(NewCourse()));
  EXPECT_EQ(sheet.err, "");
}

TEST_F(CourseCliTest, ConvertRoundTripsBetweenKurvAndText) {
  Course course = NewCourse();
  course.Name = "CONVERTED \xAB";
  course.PointCount = 5;
  course.Points[5] = {-1234.5f, 250, 777, 400, 90, 0x2800, 320 + 2};
  course.Banking[5] = 15;
  std::vector<uint8_t> original;
  WriteCourseFile(course, original);
  ASSERT_TRUE(WriteFileAtomically(Path("a.kurv"), original.data(), original.size()));

  EXPECT_EQ(Cli({"convert", Path("a.kurv"), Path("b.txt")}).exit_status, 0);
  EXPECT_EQ(Contents(Path("b.txt")), GenDatasheet(course));
  EXPECT_EQ(Cli({"convert", Path("b.txt"), Path("c.KURV")}).exit_status, 0);
  EXPECT_EQ(Contents(Path("c.KURV")), std::string(original.begin(), original.end()));
}

TEST_F(CourseCliTest, BadFilesFailWithTheEditorsMessage) {
  ASSERT_TRUE(WriteFileAtomically(Path("bad.kurv"), std::string("not a course at all")));
  const auto bad = Cli({"sheet", Path("bad.kurv")});
  EXPECT_EQ(bad.exit_status, 1);
  EXPECT_EQ(bad.out, "");
  EXPECT_EQ(bad.err, Path("bad.kurv") + ": Not a KURV file\n" +
                         KurvCheck(kKurvNotKurv, 0).Text("\n") + "\n");

  std::vector<uint8_t> v12;
  WriteCourseFile(NewCourse(), v12);
  v12[7] = 20;
  ASSERT_TRUE(WriteFileAtomically(Path("v12.kurv"), v12.data(), v12.size()));
  const auto version = Cli({"convert", Path("v12.kurv"), Path("out.txt")});
  EXPECT_EQ(version.exit_status, 1);
  EXPECT_NE(version.err.find("unsupported version number (1.2). Please"), std::string::npos);
  EXPECT_FALSE(fs::exists(Path("out.txt")));

  const auto missing = Cli({"sheet", Path("none.txt")});
  EXPECT_EQ(missing.exit_status, 1);
  EXPECT_EQ(missing.err,
            Path("none.txt") +
                ": No such file or directory\nError: File not found\n\n"
                "The file selected could not be found.\nPlease select a different file.\n");

  ASSERT_TRUE(WriteFileAtomically(Path("huge.txt"),
                                  std::string("CTL_Point_Count = 4\r\nCTL_Point 1\r\nX = 1e300")));
  const auto overflow = Cli({"sheet", Path("huge.txt")});
  EXPECT_EQ(overflow.exit_status, 1);
  EXPECT_EQ(
      overflow.err.rfind(Path("huge.txt") +
                             ": line 3: X = 1e300 does not fit; reading stopped "
                             "here\n" +
                             Path("huge.txt") +
                             ": a number too large for its field\n"
                             "Error: Data Sheet overflow\n\nA serious error has occured. This\n",
                         0),
      0u)
      << overflow.err;
}

TEST_F(CourseCliTest, FailedConvertKeepsTheExistingOutput) {
  ASSERT_TRUE(WriteFileAtomically(Path("long.txt"), "Source = " + std::string(300, 's')));
  ASSERT_TRUE(WriteFileAtomically(Path("out.kurv"), std::string("old")));
  const auto result = Cli({"convert", Path("long.txt"), Path("out.kurv")});
  EXPECT_EQ(result.exit_status, 1);
  EXPECT_NE(result.err.find("The Source text has more than 255 characters"), std::string::npos);
  EXPECT_EQ(Contents(Path("out.kurv")), "old");
}

TEST_F(CourseCliTest, UsageErrorsAndHelp) {
  const auto none = Cli({});
  EXPECT_EQ(none.exit_status, 2);
  EXPECT_NE(none.err.find("Usage: kurvex-cli COMMAND"), std::string::npos);
  const auto unknown = Cli({"frobnicate"});
  EXPECT_EQ(unknown.exit_status, 2);
  EXPECT_EQ(unknown.err, "kurvex-cli: frobnicate is not a command\nSee kurvex-cli --help.\n");
  EXPECT_EQ(Cli({"sheet", "--all", "x.kurv"}).err,
            "kurvex-cli sheet: unknown option --all\nSee kurvex-cli sheet --help.\n");
  EXPECT_EQ(Cli({"new"}).exit_status, 2);
  EXPECT_EQ(Cli({"new", Path("x.doc")}).exit_status, 2);
  EXPECT_FALSE(fs::exists(Path("x.doc")));
  EXPECT_EQ(Cli({"convert", Path("a.kurv")}).exit_status, 2);
  const auto help = Cli({"--help"});
  EXPECT_EQ(help.exit_status, 0);
  EXPECT_NE(help.out.find("\n  sheet       Print the data sheet text of a course\n"),
            std::string::npos);
  const auto command_help = Cli({"sheet", "--help"});
  EXPECT_EQ(command_help.exit_status, 0);
  EXPECT_EQ(command_help.out.substr(0, 31), "Usage: kurvex-cli sheet COURSE\n");
  const auto version = Cli({"--version"});
  EXPECT_EQ(version.exit_status, 0);
  EXPECT_EQ(version.out, std::string("kurvex-cli ") + KurvexVersion() + "\n");
}

}  // namespace
}  // namespace kurvex
