// kurvex-cli textures: ROM and dump sources, dump and PNG outputs, and refusals that write
// nothing.
#include <gtest/gtest.h>

#include <filesystem>

#include "course/file_io.h"
#include "mio0_compressor.h"
#include "process_runner.h"
#include "rom/png_writer.h"
#include "rom/texture_dump.h"
#include "rom/texture_export.h"
#include "rom/texture_loader.h"
#include "scratch_dir.h"
#include "texture_rom.h"

namespace kurvex {
namespace {

namespace fs = std::filesystem;
using test::FileBytes;

class TexturesCliTest : public ::testing::Test {
 protected:
  static test::ProcessResult Cli(const std::vector<std::string>& args) {
    std::vector<std::string> all = {"textures"};
    all.insert(all.end(), args.begin(), args.end());
    return test::RunProgram(KURVEX_CLI, all);
  }
  // Writes a test image and returns its path; *expected is what its textures load as.
  std::string WriteRom(const std::string& name, char region, bool v64, TextureStore* expected) {
    const test::TestRom built = test::BuildTextureRom(region, test::MakeTextureRomSource(region));
    EXPECT_TRUE(built.Write(dir_.Path(name), v64));
    RomImage rom;
    EXPECT_EQ(rom.Identify(built.Image()), kRomOk);
    EXPECT_EQ(LoadRomTextures(rom, *expected), TextureLoadResult::kOk);
    return dir_.Path(name);
  }

  test::ScratchDir dir_;
};

TEST_F(TexturesCliTest, RomToDumpAndBackToAnIdenticalDump) {
  TextureStore expected;
  const auto run = Cli({WriteRom("game.z64", 'E', false, &expected), dir_.Path("store.tex")});
  EXPECT_EQ(run.exit_status, 0) << run.err;
  EXPECT_EQ(run.err, "");
  TextureStore loaded;
  ASSERT_EQ(DoLoadTex(dir_.Path("store.tex"), loaded), TexDumpResult::kOk);
  EXPECT_EQ(loaded, expected);
  // A dump as the source, also under a name without the extension.
  fs::copy_file(dir_.Path("store.tex"), dir_.Path("store-copy"));
  EXPECT_EQ(Cli({dir_.Path("store-copy"), dir_.Path("again.TEX")}).exit_status, 0);
  EXPECT_EQ(FileBytes(dir_.Path("again.TEX")), FileBytes(dir_.Path("store.tex")));
}

// The bytes of the PNG format are the PNG writer's test.
TEST_F(TexturesCliTest, V64RomToAFolderOfPngs) {
  TextureStore expected;
  const std::string folder = dir_.Path("pictures/all");
  const auto run = Cli({WriteRom("game.v64", 'J', true, &expected), "--png", folder});
  ASSERT_EQ(run.exit_status, 0) << run.err;
  EXPECT_EQ(std::distance(fs::directory_iterator(folder), {}), 294);
  for (const NamedTexture& texture : ListStoreTextures(expected)) {
    const TextureImage& image = texture.image;
    EXPECT_EQ(FileBytes(folder + "/" + texture.name),
              EncodePng(image.pixels, image.width, image.height, image.channels))
        << texture.name;
  }
}

TEST_F(TexturesCliTest, BadSourcesAreReportedAndNothingIsWritten) {
  // A dump whose end marker is broken.
  ASSERT_EQ(DoSaveTex(dir_.Path("bad.tex"), TextureStore()), TexDumpResult::kOk);
  std::vector<uint8_t> bytes = FileBytes(dir_.Path("bad.tex"));
  bytes.back() = 'X';
  ASSERT_TRUE(WriteFileAtomically(dir_.Path("bad.tex"), bytes.data(), bytes.size()));
  auto run = Cli({dir_.Path("bad.tex"), dir_.Path("out.tex")});
  EXPECT_EQ(run.exit_status, 1);
  EXPECT_EQ(run.err, dir_.Path("bad.tex") +
                         ": no \"KURV\" marker at both ends\nThe selected file is not an F-Zero X\n"
                         "texture dump. Plese select a different\nfile.\n");
  // A missing ROM.
  run = Cli({dir_.Path("missing.z64"), dir_.Path("out.tex")});
  EXPECT_EQ(run.exit_status, 1);
  EXPECT_EQ(
      run.err.rfind(
          dir_.Path("missing.z64") + ": No such file or directory\nError: File access error\n", 0),
      0u)
      << run.err;
  // A ROM whose track set of venue 2 is corrupt.
  test::TestRom corrupt_rom = test::BuildTextureRom('P', test::MakeTextureRomSource(3));
  test::Mio0Writer corrupt;
  corrupt.Reference(1, 3);
  corrupt_rom.Put(TextureOffsetsForRegion('P')->track_sets[2], corrupt.Finish());
  ASSERT_TRUE(corrupt_rom.Write(dir_.Path("corrupt.z64")));
  run = Cli({dir_.Path("corrupt.z64"), "--png", dir_.Path("pictures")});
  EXPECT_EQ(run.exit_status, 1);
  EXPECT_EQ(
      run.err.rfind(
          dir_.Path("corrupt.z64") + ": Corrupt texture block\nError: Corrupt texture block\n", 0),
      0u)
      << run.err;
  EXPECT_NE(run.err.find("track set of venue 2"), std::string::npos) << run.err;
  EXPECT_EQ(dir_.Files(), std::vector<std::string>({"bad.tex", "corrupt.z64"}));
}

TEST_F(TexturesCliTest, UsageErrors) {
  EXPECT_EQ(Cli({dir_.Path("game.z64")}).exit_status, 2);
  EXPECT_EQ(Cli({dir_.Path("game.z64"), dir_.Path("out.bin")}).exit_status, 2);
  EXPECT_EQ(Cli({dir_.Path("game.z64"), "--png"}).exit_status, 2);
  const auto help = Cli({"--help"});
  EXPECT_EQ(help.exit_status, 0);
  // Both forms aligned, the description indented below them.
  EXPECT_EQ(help.out.rfind("Usage: kurvex-cli textures SOURCE OUT.tex\n"
                           "       kurvex-cli textures SOURCE --png DIR\n\n  Reads",
                           0),
            0u);
}

}  // namespace
}  // namespace kurvex
