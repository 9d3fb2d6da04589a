// kurvex-cli textures: ROM and dump sources, dump and PNG outputs, and refusals that write
// nothing.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>

#include "course/file_io.h"
#include "mio0_compressor.h"
#include "process_runner.h"
#include "rom/rom_image.h"
#include "rom/texture_dump.h"
#include "rom/texture_loader.h"
#include "texture_rom.h"

namespace kurvex {
namespace {

namespace fs = std::filesystem;
using testing::RunProgram;

class TexturesCliTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "kurvex-textures-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::string Path(const std::string& name) const { return (dir_ / name).string(); }
  static testing::ProcessResult Cli(const std::vector<std::string>& args) {
    std::vector<std::string> all = {"textures"};
    all.insert(all.end(), args.begin(), args.end());
    return RunProgram(KURVEX_CLI, all);
  }
  // Writes a test image and returns its path and, in *expected, what its textures load as.
  std::string WriteRom(const std::string& name, char region, bool v64, TextureStore* expected) {
    std::vector<uint8_t> file =
        testing::BuildTextureRom(region, testing::MakeTextureRomSource(region));
    if (v64) file = testing::ToV64(std::move(file));
    EXPECT_TRUE(WriteFileAtomically(Path(name), file.data(), file.size()));
    if (expected) {
      RomImage rom;
      EXPECT_EQ(rom.Identify(std::move(file)), kRomOk);
      EXPECT_EQ(LoadRomTextures(rom, *expected), TextureLoadResult::kOk);
    }
    return Path(name);
  }
  std::vector<uint8_t> Bytes(const std::string& path) {
    std::vector<uint8_t> bytes;
    ReadWholeFile(path, bytes);
    return bytes;
  }

  fs::path dir_;
};

TEST_F(TexturesCliTest, RomToDumpAndBackToAnIdenticalDump) {
  TextureStore expected;
  const std::string rom = WriteRom("game.z64", 'E', false, &expected);
  const auto run = Cli({rom, Path("store.tex")});
  EXPECT_EQ(run.exit_status, 0) << run.err;
  EXPECT_EQ(run.err, "");
  TextureStore loaded;
  ASSERT_EQ(DoLoadTex(Path("store.tex"), loaded), TexDumpResult::kOk);
  EXPECT_EQ(loaded, expected);
  // A dump as the source, also under a name without the extension.
  fs::copy_file(Path("store.tex"), Path("store-copy"));
  EXPECT_EQ(Cli({Path("store-copy"), Path("again.TEX")}).exit_status, 0);
  EXPECT_EQ(Bytes(Path("again.TEX")), Bytes(Path("store.tex")));
}

TEST_F(TexturesCliTest, V64RomToAFolderOfPngs) {
  TextureStore expected;
  const std::string rom = WriteRom("game.v64", 'J', true, &expected);
  const std::string folder = Path("pictures/all");
  const auto run = Cli({rom, "--png", folder});
  ASSERT_EQ(run.exit_status, 0) << run.err;
  size_t files = 0;
  for (const auto& entry : fs::directory_iterator(folder)) files += entry.is_regular_file();
  EXPECT_EQ(files, 294u);
  for (const char* name :
       {"track-venue00-01.png", "track-venue10-08.png", "floor-venue09.png", "feature-05.png",
        "model-41.png", "horizon-55.png", "horizon-light-17.png"}) {
    const std::vector<uint8_t> png = Bytes(folder + "/" + name);
    ASSERT_GT(png.size(), 33u) << name;
    EXPECT_EQ(std::string(png.begin() + 12, png.begin() + 16), "IHDR") << name;
  }
  // model-41 is 64 x 64: width and height in the header.
  const std::vector<uint8_t> model = Bytes(folder + "/model-41.png");
  EXPECT_EQ(model[19], 64);
  EXPECT_EQ(model[23], 64);
  // The pixels of a wide track texture: one stored block after the zlib and block headers,
  // each row after its filter byte.
  const std::vector<uint8_t> wide = Bytes(folder + "/track-venue07-08.png");
  const TextureImage image = expected.TrackTexture(7, 8);
  ASSERT_EQ(wide.size(), 33u + 12 + 2 + 5 + (1 + 384) * 16 + 4 + 12);
  for (int row = 0; row < 16; ++row) {
    const size_t at = 33 + 8 + 2 + 5 + row * 385;
    EXPECT_EQ(wide[at], 0);
    EXPECT_TRUE(
        std::equal(image.pixels + row * 384, image.pixels + (row + 1) * 384, wide.begin() + at + 1))
        << row;
  }
}

TEST_F(TexturesCliTest, BadSourcesAreReportedAndNothingIsWritten) {
  // A dump whose end marker is broken.
  TextureStore store;
  ASSERT_EQ(DoSaveTex(Path("bad.tex"), store), TexDumpResult::kOk);
  std::vector<uint8_t> bytes = Bytes(Path("bad.tex"));
  bytes.back() = 'X';
  ASSERT_TRUE(WriteFileAtomically(Path("bad.tex"), bytes.data(), bytes.size()));
  auto run = Cli({Path("bad.tex"), Path("out.tex")});
  EXPECT_EQ(run.exit_status, 1);
  EXPECT_EQ(run.err,
            "The selected file is not an F-Zero X\r\ntexture dump. Plese select a different\r\n"
            "file.\n");
  // A missing ROM.
  run = Cli({Path("missing.z64"), Path("out.tex")});
  EXPECT_EQ(run.exit_status, 1);
  EXPECT_EQ(run.err.rfind("Error: File access error\r\n", 0), 0u) << run.err;
  // A ROM whose track set of venue 2 is corrupt.
  std::vector<uint8_t> file = testing::BuildTextureRom('P', testing::MakeTextureRomSource(3));
  testing::Mio0Writer corrupt;
  corrupt.Reference(1, 3);
  testing::PutBlock(file, TextureOffsetsForRegion('P')->track_sets[2], corrupt.Finish());
  ASSERT_TRUE(WriteFileAtomically(Path("corrupt.z64"), file.data(), file.size()));
  run = Cli({Path("corrupt.z64"), "--png", Path("pictures")});
  EXPECT_EQ(run.exit_status, 1);
  EXPECT_EQ(run.err.rfind("Error: Corrupt texture block\r\n", 0), 0u) << run.err;
  EXPECT_NE(run.err.find("track set of venue 2"), std::string::npos) << run.err;
  EXPECT_FALSE(fs::exists(Path("out.tex")));
  EXPECT_FALSE(fs::exists(Path("pictures")));
}

TEST_F(TexturesCliTest, UsageErrors) {
  EXPECT_EQ(Cli({Path("game.z64")}).exit_status, 2);
  EXPECT_EQ(Cli({Path("game.z64"), Path("out.bin")}).exit_status, 2);
  EXPECT_EQ(Cli({Path("game.z64"), "--png"}).exit_status, 2);
  const auto help = Cli({"--help"});
  EXPECT_EQ(help.exit_status, 0);
  EXPECT_NE(help.out.find("kurvex-cli textures SOURCE --png DIR"), std::string::npos);
}

}  // namespace
}  // namespace kurvex
