// kurvex-cli never writes over one of the command's own inputs, whatever name or link leads to
// it: the command fails with "FILE: is one of this command's inputs", the input keeps its bytes
// and, where a command writes many files, none of them is written.
#include <gtest/gtest.h>

#include <filesystem>

#include "process_runner.h"
#include "rom_builder.h"
#include "scratch_dir.h"
#include "texture_rom.h"

namespace kurvex {
namespace {

namespace fs = std::filesystem;
using test::FileBytes;
using test::ProcessResult;

class InputTargetsCliTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(test::TestRom::Filled('E').Write(Path("r.z64")));
    ASSERT_TRUE(test::BuildTextureRom('E', test::MakeTextureRomSource(7)).Write(Path("t.z64")));
    ASSERT_EQ(Cli({"new", Path("c.kurv")}).exit_status, 0);
    rom_ = FileBytes(Path("r.z64"));
    texture_rom_ = FileBytes(Path("t.z64"));
    course_ = FileBytes(Path("c.kurv"));
  }
  std::string Path(const std::string& name) const { return dir_.Path(name); }
  static ProcessResult Cli(const std::vector<std::string>& args) {
    return test::RunProgram(KURVEX_CLI, args);
  }
  // The command failed on the target, naming it as the user did, after any notices of what it
  // read.
  static void ExpectRefused(const ProcessResult& result, const std::string& target) {
    EXPECT_EQ(result.exit_status, 1) << result.err;
    const std::string line = target + ": is one of this command's inputs\n";
    const size_t at = result.err.find(line);
    EXPECT_TRUE(at == 0 || (at != std::string::npos && result.err[at - 1] == '\n')) << result.err;
  }
  void ExpectInputsUnchanged() const {
    EXPECT_EQ(FileBytes(Path("r.z64")), rom_);
    EXPECT_EQ(FileBytes(Path("t.z64")), texture_rom_);
    EXPECT_EQ(FileBytes(Path("c.kurv")), course_);
  }
  // A folder holding only a link to an input, under a name the command writes.
  std::string FolderWithLink(const std::string& folder, const std::string& name,
                             const std::string& input) {
    fs::create_directory(Path(folder));
    fs::create_symlink("../" + input, Path(folder + "/" + name));
    return Path(folder);
  }
  std::vector<std::string> FilesIn(const std::string& folder) const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(Path(folder))) {
      names.push_back(entry.path().filename().string());
    }
    return names;
  }

  test::ScratchDir dir_;
  std::vector<uint8_t> rom_, texture_rom_, course_;
};

TEST_F(InputTargetsCliTest, APatchNeverReplacesOneOfItsCourseFilesOrTheRomASlotCameFrom) {
  ExpectRefused(Cli({"patch", Path("r.z64"), Path("c.kurv"), "--slot", "1=" + Path("c.kurv")}),
                Path("c.kurv"));
  // A slot taken from another ROM makes that ROM an input too.
  fs::copy_file(Path("r.z64"), Path("other.z64"));
  ExpectRefused(
      Cli({"patch", Path("r.z64"), Path("other.z64"), "--slot", "2=" + Path("other.z64@1")}),
      Path("other.z64"));
  EXPECT_EQ(FileBytes(Path("other.z64")), rom_);
  ExpectInputsUnchanged();
  // Other outputs still work.
  EXPECT_EQ(
      Cli({"patch", Path("r.z64"), Path("o.z64"), "--slot", "1=" + Path("c.kurv")}).exit_status, 0);
}

TEST_F(InputTargetsCliTest, AnExtractIntoAFolderLinkingToTheRomWritesNothing) {
  if (!test::SymlinksAvailable()) GTEST_SKIP() << "no symbolic links on this system";
  FolderWithLink("ex", "03-Jack3.kurv", "r.z64");
  ExpectRefused(Cli({"extract", Path("r.z64"), Path("ex")}), Path("ex/03-Jack3.kurv"));
  ExpectInputsUnchanged();
  EXPECT_EQ(FilesIn("ex"), std::vector<std::string>{"03-Jack3.kurv"});
}

TEST_F(InputTargetsCliTest, TexturePicturesNeverReplaceTheirSource) {
  if (!test::SymlinksAvailable()) GTEST_SKIP() << "no symbolic links on this system";
  FolderWithLink("pg", "feature-01.png", "t.z64");
  ExpectRefused(Cli({"textures", Path("t.z64"), "--png", Path("pg")}), Path("pg/feature-01.png"));
  EXPECT_EQ(FilesIn("pg"), std::vector<std::string>{"feature-01.png"});
  // The same file under a second name (a hard link) is the same input.
  std::filesystem::create_hard_link(Path("t.z64"), Path("hard.tex"));
  ExpectRefused(Cli({"textures", Path("t.z64"), Path("hard.tex")}), Path("hard.tex"));
  ExpectInputsUnchanged();
}

TEST_F(InputTargetsCliTest, AModelExportNeverReplacesTheTexturesOrTheCourse) {
  if (!test::SymlinksAvailable()) GTEST_SKIP() << "no symbolic links on this system";
  FolderWithLink("eo", "track-venue00-01.png", "t.z64");
  ExpectRefused(Cli({"export-obj", Path("c.kurv"), Path("eo/m.obj"), "--textures", Path("t.z64")}),
                Path("eo/track-venue00-01.png"));
  EXPECT_EQ(FilesIn("eo"), std::vector<std::string>{"track-venue00-01.png"});
  // The library is named after the model: m.obj beside a course called m.mtl.
  fs::copy_file(Path("c.kurv"), Path("m.mtl"));
  ExpectRefused(Cli({"export-obj", Path("m.mtl"), Path("m.obj")}), Path("m.mtl"));
  EXPECT_FALSE(fs::exists(Path("m.obj")));
  EXPECT_EQ(FileBytes(Path("m.mtl")), course_);
  ExpectInputsUnchanged();
}

TEST_F(InputTargetsCliTest, ARenderNeverReplacesItsSettingsFile) {
  if (!KURVEX_CLI_RENDERS) GTEST_SKIP() << "this kurvex-cli does not draw";
  ASSERT_TRUE(test::WriteText(Path("s.png"), "not settings"));
  ExpectRefused(Cli({"render", Path("c.kurv"), Path("s.png"), "--settings", Path("s.png")}),
                Path("s.png"));
  const std::vector<uint8_t> bytes = FileBytes(Path("s.png"));
  EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "not settings");
}

// A course written back under its own name, in any spelling; a new file that does not exist
// yet is compared by its path.
TEST_F(InputTargetsCliTest, ACourseIsNeverWrittenOverTheFileItWasReadFrom) {
  const std::string spelled = dir_.path() + "/./sub/../c.kurv";
  fs::create_directory(Path("sub"));
  ExpectRefused(Cli({"convert", Path("c.kurv"), spelled}), spelled);
  ExpectRefused(Cli({"transform", Path("c.kurv"), Path("c.kurv"), "--scale", "2"}), Path("c.kurv"));
  if (!test::SymlinksAvailable()) GTEST_SKIP() << "no symbolic links on this system";
  fs::create_symlink("r.z64", Path("rom.kurv"));
  ExpectRefused(Cli({"friendly", "--rom", Path("r.z64@1"), Path("rom.kurv")}), Path("rom.kurv"));
  ExpectInputsUnchanged();
  EXPECT_EQ(dir_.Files(),
            std::vector<std::string>({"c.kurv", "r.z64", "rom.kurv", "sub", "t.z64"}));
}

}  // namespace
}  // namespace kurvex
