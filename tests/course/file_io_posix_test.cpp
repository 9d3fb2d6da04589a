// The safe writer on POSIX systems: a replaced file keeps its mode, and its owner where the
// process may give it; the temporary file stays unnamed while it is written.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "course/course_files.h"
#include "course/file_io.h"
#include "course/file_replace.h"
#include "course/new_course.h"
#include "scratch_dir.h"

namespace kurvex {
namespace {

// The owner part needs root, who alone may give a file away; elsewhere it is skipped.
TEST(FileIoPosixTest, ReplacesAFileAndKeepsItsPermissionsAndOwner) {
  test::ScratchDir dir;
  const std::string path = dir.Path("course.txt");
  ASSERT_TRUE(WriteFileAtomically(path, std::string("old")));
  ::chmod(path.c_str(), 0640);
  const bool root = ::geteuid() == 0;
  if (root) ASSERT_EQ(::chown(path.c_str(), 4321, 8765), 0);
  ASSERT_TRUE(WriteFileAtomically(path, std::string("new contents")));
  const std::vector<uint8_t> bytes = test::FileBytes(path);
  EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "new contents");
  struct stat st;
  ASSERT_EQ(::stat(path.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
  if (root) {
    EXPECT_EQ(st.st_uid, 4321u);
    EXPECT_EQ(st.st_gid, 8765u);
  }
  EXPECT_EQ(dir.Files(), std::vector<std::string>{"course.txt"});  // no temporary file left
}

// While the bytes are written the temporary file has no name, so a kill leaves nothing; the
// named way, where the file system has no unnamed files, shows a hidden name beside the target.
TEST(FileIoPosixTest, TheTemporaryFileIsNamedOnlyForTheRename) {
  const test::ScratchDir dir_;
  const auto Path = [&dir_](const std::string& name) { return dir_.Path(name); };
  const auto Contents = [](const std::string& path) {
    const std::vector<uint8_t> bytes = test::FileBytes(path);
    return std::string(bytes.begin(), bytes.end());
  };
  const std::string target = Path("rom.z64");
  const int probe = ::open(dir_.path().c_str(), O_TMPFILE | O_WRONLY, 0600);
  const bool unnamed_files = probe >= 0;
  if (unnamed_files) ::close(probe);
  for (TemporaryName naming : {TemporaryName::kOnlyForTheRename, TemporaryName::kAlways}) {
    for (const char* contents : {"first", "second"}) {  // a new file, then a replaced one
      std::vector<std::string> seen;
      const int result = ReplaceFileContents(
          target, reinterpret_cast<const uint8_t*>(contents), std::strlen(contents),
          [&](int fd) {
            EXPECT_EQ(::fchmod(fd, 0640), 0);
            seen = dir_.Files();
          },
          naming);
      ASSERT_EQ(result, 0) << std::strerror(result);
      EXPECT_EQ(Contents(target), contents);
      EXPECT_EQ(dir_.Files(), std::vector<std::string>{"rom.z64"});
      if (naming == TemporaryName::kAlways || !unnamed_files) {
        ASSERT_EQ(seen.size(), std::string(contents) == "first" ? 1u : 2u);
        EXPECT_EQ(seen[0].rfind(".rom.z64.", 0), 0u) << seen[0];
      } else {
        EXPECT_EQ(seen.size(), std::string(contents) == "first" ? 0u : 1u);
      }
    }
    struct stat st;
    ASSERT_EQ(::stat(target.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    std::filesystem::remove(target);
  }
  EXPECT_EQ(ReplaceFileContents(Path("no/folder/x"), nullptr, 0, [](int) {}), ENOENT);
  EXPECT_TRUE(dir_.Files().empty());
}

// A name with a line break or another control character (which only POSIX systems allow) keeps
// the reason on one line.
TEST(FileIoPosixTest, NamesWithControlCharactersAreQuotedInReasons) {
  const test::ScratchDir dir;
  Course course = NewCourse();
  const std::string odd_name = dir.Path("two\nlines\x1B.txt");
  ASSERT_TRUE(test::WriteText(odd_name, std::string(1, '\0')));
  FileOutcome outcome = LoadTrackTextFile(odd_name, course);
  EXPECT_EQ(outcome.reason, "$'" + dir.Path("two\\nlines\\x1B.txt") +
                                "': not a track text file: it holds NUL bytes");
  EXPECT_EQ(LoadKurvFile(dir.Path("it's\tgone.kurv"), course).reason,
            "$'" + dir.Path("it\\'s\\tgone.kurv") + "': No such file or directory");
}

}  // namespace
}  // namespace kurvex
