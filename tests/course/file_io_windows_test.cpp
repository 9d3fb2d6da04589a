// The file code on Windows: UTF-8 names reach the system as wide characters, what is not a
// file on disk is refused by its kind, and a replaced file is replaced whole.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>

#include "course/file_io.h"
#include "scratch_dir.h"

namespace kurvex {
namespace {

namespace fs = std::filesystem;

std::string Read(const std::string& path, std::string* reason = nullptr) {
  std::vector<uint8_t> bytes;
  if (ReadRegularFile(path, 1024, bytes, reason) != FileReadResult::kOk) return "<refused>";
  return std::string(bytes.begin(), bytes.end());
}

TEST(FileIoWindowsTest, NamesBeyondTheCodePageAreWrittenAndReadBack) {
  test::ScratchDir dir;
  // "Ñ", "ü", Greek and Japanese letters: no single ANSI code page holds them all.
  const std::string name = dir.Path("\xC3\x91\xC3\xBC-\xCE\xB1\xCE\xB2-\xE3\x82\xAB.kurv");
  ASSERT_TRUE(WriteFileAtomically(name, std::string("first")));
  ASSERT_TRUE(WriteFileAtomically(name, std::string("second, longer")));
  EXPECT_EQ(Read(name), "second, longer");
  EXPECT_TRUE(fs::is_regular_file(fs::u8path(name)));
  EXPECT_EQ(dir.Files().size(), 1u);  // no temporary file left behind
}

TEST(FileIoWindowsTest, ReplacingKeepsTheFileAttributes) {
  test::ScratchDir dir;
  const std::string path = dir.Path("kept.txt");
  ASSERT_TRUE(WriteFileAtomically(path, std::string("old")));
  const std::wstring wide = fs::u8path(path).wstring();
  ASSERT_TRUE(::SetFileAttributesW(wide.c_str(), FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_HIDDEN));
  ASSERT_TRUE(WriteFileAtomically(path, std::string("new")));
  EXPECT_EQ(Read(path), "new");
  EXPECT_TRUE(::GetFileAttributesW(wide.c_str()) & FILE_ATTRIBUTE_HIDDEN);
}

TEST(FileIoWindowsTest, FoldersDevicesAndMissingFilesAreRefused) {
  test::ScratchDir dir;
  std::string reason;
  EXPECT_EQ(Read(dir.Path("none.kurv"), &reason), "<refused>");
  EXPECT_EQ(reason, dir.Path("none.kurv") + ": No such file or directory");
  fs::create_directory(fs::u8path(dir.Path("folder.kurv")));
  EXPECT_EQ(Read(dir.Path("folder.kurv"), &reason), "<refused>");
  EXPECT_EQ(reason, dir.Path("folder.kurv") + ": not a regular file (a folder)");
  EXPECT_EQ(Read("NUL", &reason), "<refused>");
  EXPECT_EQ(reason, "NUL: not a regular file (a device)");

  std::string error;
  EXPECT_FALSE(WriteFileAtomically(dir.Path("folder.kurv"), std::string("x"), &error));
  EXPECT_EQ(error, dir.Path("folder.kurv") + ": not a regular file (a folder)");
  EXPECT_FALSE(WriteFileAtomically(dir.Path("no/such/dir/a.kurv"), std::string("x"), &error));
  EXPECT_EQ(error, dir.Path("no/such/dir/a.kurv") + ": No such file or directory");
  EXPECT_EQ(dir.Files(), std::vector<std::string>{"folder.kurv"});
}

TEST(FileIoWindowsTest, AnInputIsKnownUnderASecondName) {
  test::ScratchDir dir;
  ASSERT_TRUE(WriteFileAtomically(dir.Path("rom.z64"), std::string("rom")));
  fs::create_hard_link(fs::u8path(dir.Path("rom.z64")), fs::u8path(dir.Path("hard.kurv")));
  const InputFiles inputs{dir.Path("rom.z64")};
  EXPECT_TRUE(inputs.Holds(dir.Path("hard.kurv")));
  EXPECT_TRUE(inputs.Holds(dir.Path("sub/../ROM.Z64")));  // names are not case-sensitive here
  EXPECT_FALSE(inputs.Holds(dir.Path("other.z64")));
  std::string error;
  EXPECT_FALSE(WriteFileAtomically(dir.Path("hard.kurv"), std::string("x"), &error, inputs));
  EXPECT_EQ(Read(dir.Path("rom.z64")), "rom");
}

}  // namespace
}  // namespace kurvex
