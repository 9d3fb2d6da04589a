// kurvex-cli against careless or hostile input: files that are no course files, numbers that
// are no numbers, output targets that are no regular files. Nothing may hang, nothing may be
// lost, and every refusal names the file and the reason on its first line.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "course/course_files.h"
#include "course/new_course.h"
#include "process_runner.h"
#include "rom_builder.h"
#include "scratch_dir.h"
#include "test_courses.h"

namespace kurvex {
namespace {

namespace fs = std::filesystem;
using test::ProcessResult;

class HostileInputCliTest : public ::testing::Test {
 protected:
  std::string Path(const std::string& name) const { return dir_.Path(name); }
  static ProcessResult Cli(const std::vector<std::string>& args,
                           const test::RunOptions& options = {}) {
    return test::RunProgram(KURVEX_CLI, args, options);
  }
  static std::string FirstLine(const std::string& text) { return text.substr(0, text.find('\n')); }

  test::ScratchDir dir_;
};

// Each is refused by its type or size, before a byte is read: a pipe would block forever, a
// device or a sparse giant would be read until memory runs out.
TEST_F(HostileInputCliTest, FilesThatAreNoCoursesAreRefusedBeforeReading) {
  for (const char* name : {"pipe.kurv", "pipe.z64", "pipe.tex"}) {
    ASSERT_EQ(::mkfifo(Path(name).c_str(), 0600), 0);
  }
  ASSERT_TRUE(test::WriteText(Path("giant.txt"), ""));
  fs::resize_file(Path("giant.txt"), 1ull << 30);  // sparse: no disk space taken
  ASSERT_TRUE(test::WriteText(Path("giant.kurv"), ""));
  fs::resize_file(Path("giant.kurv"), 2u << 20);
  ASSERT_TRUE(test::WriteText(Path("garbage.txt"), std::string(100000, '\xA7') + "\n\n!!\n"));
  struct Case {
    std::vector<std::string> args;
    std::string first_line;
  };
  const std::vector<Case> cases = {
      {{"stats", Path("pipe.kurv")}, Path("pipe.kurv") + ": not a regular file (a pipe)"},
      {{"rom-info", Path("pipe.z64")}, Path("pipe.z64") + ": not a regular file (a pipe)"},
      {{"textures", Path("pipe.tex"), Path("out.tex")},
       Path("pipe.tex") + ": not a regular file (a pipe)"},
      {{"stats", "/dev/zero"}, "/dev/zero: not a regular file (a device)"},
      {{"check", "/dev/zero", "--json"}, "/dev/zero: not a regular file (a device)"},
      {{"check", Path("pipe.kurv")}, Path("pipe.kurv") + ": not a regular file (a pipe)"},
      {{"sheet", dir_.path()}, dir_.path() + ": not a regular file (a folder)"},
      {{"stats", Path("giant.txt")}, Path("giant.txt") + ": too large (more than 16 MiB)"},
      {{"stats", Path("giant.kurv")}, Path("giant.kurv") + ": too large (more than 1 MiB)"},
      {{"convert", Path("garbage.txt"), Path("out.kurv")},
       Path("garbage.txt") + ": not a track text file"},
  };
  test::RunOptions guarded;
  guarded.timeout_seconds = 10;
  for (const Case& c : cases) {
    const ProcessResult result = Cli(c.args, guarded);
    EXPECT_FALSE(result.timed_out) << c.first_line;
    EXPECT_EQ(result.exit_status, 1) << c.first_line;
    EXPECT_EQ(FirstLine(result.err), c.first_line);
    EXPECT_EQ(result.err.substr(c.first_line.size() + 1, 7), "Error: ") << result.err;
  }
  EXPECT_FALSE(fs::exists(Path("out.kurv")));
  EXPECT_FALSE(fs::exists(Path("out.tex")));
}

// Texts from other systems: lone CR line ends are read as line ends; NUL bytes mark a binary
// file, which is refused; a name with a line break is quoted, so each report stays one line.
TEST_F(HostileInputCliTest, OddTrackTextsAndOddFileNames) {
  ASSERT_TRUE(SaveKurvFile(Path("ring.kurv"), test::SeededRingCourse(9, 3)).ok);
  const std::string sheet = Cli({"sheet", Path("ring.kurv")}).out;
  ASSERT_TRUE(test::WriteText(Path("pc.txt"), sheet));
  std::string mac = sheet;
  for (size_t at = mac.find("\r\n"); at != std::string::npos; at = mac.find("\r\n", at)) {
    mac.erase(at + 1, 1);
  }
  ASSERT_TRUE(test::WriteText(Path("mac.txt"), mac));
  const ProcessResult stats = Cli({"stats", Path("mac.txt")});
  EXPECT_EQ(stats.exit_status, 0) << stats.err;
  EXPECT_EQ(FirstLine(stats.out), "CTL Points: 9");
  EXPECT_EQ(Cli({"sheet", Path("mac.txt")}).out, Cli({"sheet", Path("pc.txt")}).out);

  ASSERT_TRUE(test::WriteText(Path("nul.txt"), std::string("Name = x\r\n\0", 12)));
  const ProcessResult nul = Cli({"convert", Path("nul.txt"), Path("out.kurv")});
  EXPECT_EQ(nul.exit_status, 1);
  EXPECT_EQ(FirstLine(nul.err), Path("nul.txt") + ": not a track text file: it holds NUL bytes");
  EXPECT_FALSE(fs::exists(Path("out.kurv")));

  const ProcessResult missing = Cli({"stats", Path("two\nlines.kurv")});
  EXPECT_EQ(missing.exit_status, 1);
  EXPECT_EQ(FirstLine(missing.err),
            "$'" + Path("two\\nlines.kurv") + "': No such file or directory");
  EXPECT_EQ(missing.err.substr(FirstLine(missing.err).size() + 1, 7), "Error: ");
  ASSERT_TRUE(test::WriteText(Path("big\r.txt"), "CTL_Point_Count = 65\r\n"));
  const ProcessResult notice = Cli({"stats", Path("big\r.txt")});
  EXPECT_EQ(notice.exit_status, 0);
  EXPECT_EQ(notice.err, "$'" + Path("big\\r.txt") +
                            "': line 1: CTL_Point_Count = 65 is outside 4..64; read as 4\n");
}

TEST_F(HostileInputCliTest, NumbersThatAreNotPlainDecimalsAreUsageErrorsNamingTheOption) {
  ASSERT_TRUE(SaveKurvFile(Path("a.kurv"), NewCourse()).ok);
  for (const char* option : {"--translate", "--rotate"}) {
    for (const char* value :
         {"nan,0,0", "inf,0,0", "1e999,0,0", "0x10,0,0", "1,2,3,", "1,,3", " 1,2,3", "1,2"}) {
      const ProcessResult result =
          Cli({"transform", Path("a.kurv"), Path("b.kurv"), option, value});
      EXPECT_EQ(result.exit_status, 2) << option << " " << value;
      EXPECT_EQ(FirstLine(result.err).rfind(std::string("kurvex-cli transform: ") + option, 0), 0u)
          << result.err;
    }
  }
  EXPECT_EQ(Cli({"transform", Path("a.kurv"), Path("b.kurv"), "--scale", "-nan"}).exit_status, 2);
  EXPECT_FALSE(fs::exists(Path("b.kurv")));
  // Plain decimals in every form still work.
  const ProcessResult moved =
      Cli({"transform", Path("a.kurv"), Path("b.kurv"), "--translate", "-1.5,+2,.5e1"});
  EXPECT_EQ(moved.exit_status, 0) << moved.err;
}

// Writing through a link replaces the file it points to and keeps the link; what is no regular
// file is never replaced; no temporary file is left either way.
TEST_F(HostileInputCliTest, OutputTargetsThatAreLinksPipesOrDevices) {
  ASSERT_TRUE(SaveKurvFile(Path("old.kurv"), test::RingCourse(8)).ok);
  fs::create_symlink("old.kurv", Path("link.kurv"));
  EXPECT_EQ(Cli({"new", Path("link.kurv")}).exit_status, 0);
  EXPECT_TRUE(fs::is_symlink(Path("link.kurv")));
  Course course;
  ASSERT_TRUE(LoadKurvFile(Path("old.kurv"), course).ok);
  EXPECT_EQ(course.PointCount, 4);

  ASSERT_EQ(::mkfifo(Path("pipe.kurv").c_str(), 0600), 0);
  fs::create_symlink("/dev/null", Path("device.txt"));
  for (const std::string& target : {Path("pipe.kurv"), Path("device.txt")}) {
    const ProcessResult result = Cli({"convert", Path("old.kurv"), target});
    EXPECT_EQ(result.exit_status, 1);
    EXPECT_EQ(FirstLine(result.err),
              target + (target == Path("pipe.kurv") ? ": not a regular file (a pipe)"
                                                    : ": not a regular file (a device)"));
  }
  EXPECT_TRUE(fs::is_fifo(Path("pipe.kurv")));
  EXPECT_TRUE(fs::is_character_file("/dev/null"));
  EXPECT_EQ(dir_.Files(),
            std::vector<std::string>({"device.txt", "link.kurv", "old.kurv", "pipe.kurv"}));
}

// A result that cannot be written is a failure like any other, with the reason.
TEST_F(HostileInputCliTest, AFullStandardOutputIsReported) {
  const std::string rom = Path("game.z64");
  ASSERT_TRUE(test::TestRom::Filled('E').Write(rom));
  test::RunOptions full;
  full.stdout_path = "/dev/full";
  const ProcessResult stats = Cli({"stats", rom + "@1"}, full);
  EXPECT_EQ(stats.exit_status, 1);
  EXPECT_EQ(stats.err,
            "standard output: No space left on device\nError: Output error\n\n"
            "The output could not be written.\n");
}

}  // namespace
}  // namespace kurvex
