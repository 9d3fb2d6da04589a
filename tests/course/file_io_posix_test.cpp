// The safe writer on POSIX systems: a replaced file keeps its mode, and its owner where the
// process may give it.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "course/file_io.h"
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

}  // namespace
}  // namespace kurvex
