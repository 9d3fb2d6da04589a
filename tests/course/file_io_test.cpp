#include "course/file_io.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "course/course_files.h"
#include "course/datasheet.h"
#include "course/new_course.h"
#include "scratch_dir.h"

namespace kurvex {
namespace {

namespace fs = std::filesystem;

class FileIoTest : public ::testing::Test {
 protected:
  std::string Path(const std::string& name) const { return dir_.Path(name); }
  static std::string Contents(const std::string& path) {
    const std::vector<uint8_t> bytes = test::FileBytes(path);
    return std::string(bytes.begin(), bytes.end());
  }

  test::ScratchDir dir_;
};

TEST_F(FileIoTest, FailedWriteReportsAndLeavesNothing) {
  std::string error;
  EXPECT_FALSE(WriteFileAtomically(Path("missing/dir/x.kurv"), std::string("x"), &error));
  EXPECT_EQ(error, Path("missing/dir/x.kurv") + ": No such file or directory");
  // A folder is refused before anything is written.
  fs::create_directory(Path("taken.kurv"));
  EXPECT_FALSE(WriteFileAtomically(Path("taken.kurv"), std::string("x"), &error));
  EXPECT_EQ(error, Path("taken.kurv") + ": not a regular file (a folder)");
  EXPECT_TRUE(fs::is_directory(Path("taken.kurv")));
  // A link chain that ends nowhere is followed to its end; a loop is refused.
  if (!test::SymlinksAvailable()) GTEST_SKIP() << "no symbolic links on this system";
  fs::create_symlink("dangling-target.kurv", Path("dangling.kurv"));
  EXPECT_TRUE(WriteFileAtomically(Path("dangling.kurv"), std::string("made")));
  EXPECT_EQ(Contents(Path("dangling-target.kurv")), "made");
  fs::create_symlink("loop-b", Path("loop-a"));
  fs::create_symlink("loop-a", Path("loop-b"));
  EXPECT_FALSE(WriteFileAtomically(Path("loop-a"), std::string("x"), &error));
  EXPECT_EQ(dir_.Files(), std::vector<std::string>({"dangling-target.kurv", "dangling.kurv",
                                                    "loop-a", "loop-b", "taken.kurv"}));
}

// One file under any name is one input: links, hard links and other spellings of the path; a
// name with no file behind it yet is compared by where it would be.
TEST_F(FileIoTest, AnInputIsKnownUnderEveryNameThatLeadsToIt) {
  if (!test::SymlinksAvailable()) GTEST_SKIP() << "no symbolic links on this system";
  ASSERT_TRUE(WriteFileAtomically(Path("rom.z64"), std::string("rom")));
  ASSERT_TRUE(WriteFileAtomically(Path("other.z64"), std::string("other")));
  fs::create_directory(Path("sub"));
  fs::create_symlink("../rom.z64", Path("sub/link.kurv"));
  fs::create_symlink("sub/link.kurv", Path("chain.kurv"));
  fs::create_hard_link(Path("rom.z64"), Path("hard.kurv"));
  fs::create_symlink("later.txt", Path("dangling.txt"));
  const InputFiles inputs{Path("rom.z64"), "", Path("sub/../later.txt")};
  for (const std::string& name :
       {Path("rom.z64"), Path("sub/link.kurv"), Path("chain.kurv"), Path("hard.kurv"),
        dir_.path() + "/./sub/../rom.z64", Path("later.txt"), Path("dangling.txt")}) {
    EXPECT_TRUE(inputs.Holds(name)) << name;
  }
  for (const std::string& name : {Path("other.z64"), Path("sub/rom.z64"), Path("new.kurv")}) {
    EXPECT_FALSE(inputs.Holds(name)) << name;
  }
  EXPECT_FALSE(InputFiles().Holds(Path("rom.z64")));

  std::string error;
  EXPECT_FALSE(WriteFileAtomically(Path("chain.kurv"), std::string("x"), &error, inputs));
  EXPECT_EQ(error, Path("chain.kurv") + ": is one of this command's inputs");
  EXPECT_FALSE(WriteFileAtomically(Path("dangling.txt"), std::string("x"), &error, inputs));
  EXPECT_FALSE(fs::exists(Path("later.txt")));
  EXPECT_EQ(Contents(Path("rom.z64")), "rom");
  EXPECT_FALSE(NoInputAmong({Path("new.kurv"), Path("hard.kurv")}, inputs, &error));
  EXPECT_EQ(error, Path("hard.kurv") + ": is one of this command's inputs");
  EXPECT_TRUE(NoInputAmong({Path("new.kurv")}, inputs, &error));
  EXPECT_EQ(dir_.Files(), std::vector<std::string>({"chain.kurv", "dangling.txt", "hard.kurv",
                                                    "other.z64", "rom.z64", "sub"}));
}

TEST_F(FileIoTest, CourseFilesReportMissingAndBadFiles) {
  Course course = NewCourse();
  FileOutcome missing = LoadKurvFile(Path("none.kurv"), course);
  EXPECT_FALSE(missing.ok);
  EXPECT_EQ(missing.message.Text(),
            "Error: File not found\r\n\r\nThe file selected could not be found.\r\n"
            "Please select a different file.");
  ASSERT_TRUE(WriteFileAtomically(Path("bad.kurv"), std::string("KURVXY")));
  EXPECT_EQ(LoadKurvFile(Path("bad.kurv"), course).message.Text().substr(0, 26),
            "Error: Incorrect file type");
}

// A text with no key of the track text is refused and the course stays as it was; a sheet
// that is one loads with the notices of what it did not take.
TEST_F(FileIoTest, TrackTextFilesMustHoldATrackText) {
  Course course = NewCourse();
  course.Name = "UNTOUCHED";
  for (const std::string& text : {std::string(), std::string("Hello = world\nfoo bar\n")}) {
    ASSERT_TRUE(test::WriteText(Path("not.txt"), text));
    const FileOutcome outcome = LoadTrackTextFile(Path("not.txt"), course);
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(outcome.reason, Path("not.txt") + ": not a track text file");
    EXPECT_EQ(outcome.message.title, "Error: Not a track text file");
    EXPECT_EQ(course.Name, "UNTOUCHED");
  }
  ASSERT_TRUE(test::WriteText(Path("odd.txt"), "Name = odd\nCTL_Point 1\n"));
  const FileOutcome odd = LoadTrackTextFile(Path("odd.txt"), course);
  EXPECT_TRUE(odd.ok);
  EXPECT_EQ(course.Name, "ODD");
  EXPECT_EQ(odd.notices, std::vector<std::string>({"line 2: CTL_Point 1 is before any "
                                                   "CTL_Point_Count line; its lines are ignored"}));
}

// A binary file taken for a track text is refused by its NUL bytes. ("zeros.txt": on Windows
// "nul.txt" would name the null device.)
TEST_F(FileIoTest, ATrackTextWithNulBytesIsRefused) {
  Course course = NewCourse();
  course.Name = "UNTOUCHED";
  ASSERT_TRUE(
      test::WriteText(Path("zeros.txt"), std::string("Name = x\r\n\0\0CTL_Point_Count = 5", 30)));
  FileOutcome outcome = LoadTrackTextFile(Path("zeros.txt"), course);
  EXPECT_FALSE(outcome.ok);
  EXPECT_EQ(outcome.reason, Path("zeros.txt") + ": not a track text file: it holds NUL bytes");
  EXPECT_EQ(outcome.message.title, "Error: Not a track text file");
  EXPECT_EQ(course.Name, "UNTOUCHED");
}

TEST_F(FileIoTest, SavedCoursesLoadBack) {
  Course course = NewCourse();
  course.Name = "SAVED";
  course.Points[2].X = 1234.0f;
  ASSERT_TRUE(SaveKurvFile(Path("a.kurv"), course).ok);
  ASSERT_TRUE(SaveTrackTextFile(Path("a.txt"), course).ok);
  Course from_kurv = NewCourse(), from_text = NewCourse();
  ASSERT_TRUE(LoadKurvFile(Path("a.kurv"), from_kurv).ok);
  ASSERT_TRUE(LoadTrackTextFile(Path("a.txt"), from_text).ok);
  EXPECT_EQ(GenDatasheet(from_kurv), GenDatasheet(course));
  EXPECT_EQ(GenDatasheet(from_text), GenDatasheet(course));
}

TEST_F(FileIoTest, RefusedSaveKeepsTheOldFile) {
  ASSERT_TRUE(SaveKurvFile(Path("a.kurv"), NewCourse()).ok);
  const std::string before = Contents(Path("a.kurv"));
  Course course = NewCourse();
  course.Source = std::string(300, 's');
  const FileOutcome outcome = SaveKurvFile(Path("a.kurv"), course);
  EXPECT_FALSE(outcome.ok);
  EXPECT_EQ(outcome.message.Text().substr(0, 21), "Error: Text too long\r");
  EXPECT_EQ(Contents(Path("a.kurv")), before);
}

TEST(CompleteFileName, AppendsOrFallsBack) {
  EXPECT_EQ(CompleteTextFileName("track"), "track.txt");
  EXPECT_EQ(CompleteTextFileName("TRACK.TXT"), "TRACK.TXT");
  EXPECT_EQ(CompleteTextFileName("a.b"), "New File.txt");
  EXPECT_EQ(CompleteTextFileName("a.bc"), "a.bc.txt");
  EXPECT_EQ(CompleteFileName("dir/x", ".kurv", "New File.kurv"), "dir/x.kurv");
  EXPECT_EQ(CompleteFileName("x.k", ".kurv", "New File.kurv"), "New File.kurv");
}

}  // namespace
}  // namespace kurvex
