// The texture dump file: round trip, refusal of anything that is not a whole dump without
// touching the store, atomic saving, and the save-name rule.
#include "rom/texture_dump.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <filesystem>
#include <random>

#include "course/file_io.h"

namespace kurvex {
namespace {

namespace fs = std::filesystem;

TextureStore RandomStore(uint32_t seed) {
  TextureStore store;
  std::mt19937 random(seed);
  uint8_t* bytes = store.Bytes();
  for (size_t i = 0; i < kTextureStoreSize; i += 97) bytes[i] = static_cast<uint8_t>(random());
  return store;
}

class TexDumpTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "kurvex-tex-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::string Path(const std::string& name) const { return (dir_ / name).string(); }
  void Write(const std::string& name, const std::vector<uint8_t>& bytes) {
    ASSERT_TRUE(WriteFileAtomically(Path(name), bytes.data(), bytes.size()));
  }
  std::vector<uint8_t> Read(const std::string& name) {
    std::vector<uint8_t> bytes;
    EXPECT_TRUE(ReadWholeFile(Path(name), bytes));
    return bytes;
  }

  fs::path dir_;
};

TEST_F(TexDumpTest, SaveWritesMarkersAndArraysAndLoadsBackIdentical) {
  const TextureStore saved = RandomStore(1);
  ASSERT_EQ(DoSaveTex(Path("a.tex"), saved), TexDumpResult::kOk);
  const std::vector<uint8_t> bytes = Read("a.tex");
  ASSERT_EQ(bytes.size(), 2948968u);
  EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 4), "KURV");
  EXPECT_EQ(std::string(bytes.end() - 4, bytes.end()), "KURV");
  EXPECT_TRUE(std::equal(saved.HorizonLightData(), saved.HorizonLightData() + 901120,
                         bytes.begin() + 2047844));
  EXPECT_TRUE(std::equal(saved.ModelTextureData(), saved.ModelTextureData() + 210816,
                         bytes.begin() + 886756));
  TextureStore loaded;
  ASSERT_EQ(DoLoadTex(Path("a.tex"), loaded), TexDumpResult::kOk);
  EXPECT_EQ(loaded, saved);
}

TEST_F(TexDumpTest, AnythingButAWholeDumpIsRefusedAndTheStoreIsUnchanged) {
  const TextureStore original = RandomStore(2);
  ASSERT_EQ(DoSaveTex(Path("good.tex"), RandomStore(3)), TexDumpResult::kOk);
  std::vector<uint8_t> bad_end = Read("good.tex");
  bad_end.back() = 'W';
  std::vector<uint8_t> bad_start = Read("good.tex");
  bad_start[0] = 'k';
  std::vector<uint8_t> long_file = Read("good.tex");
  long_file.push_back(0);
  std::vector<uint8_t> short_file = Read("good.tex");
  short_file.erase(short_file.begin() + 100);
  Write("bad_end.tex", bad_end);
  Write("bad_start.tex", bad_start);
  Write("long.tex", long_file);
  Write("short.tex", short_file);
  Write("empty.tex", {});
  for (const char* name : {"bad_end.tex", "bad_start.tex", "long.tex", "short.tex", "empty.tex"}) {
    TextureStore store = original;
    EXPECT_EQ(DoLoadTex(Path(name), store), TexDumpResult::kNotTexDump) << name;
    EXPECT_EQ(store, original) << name;
  }
  TextureStore store = original;
  EXPECT_EQ(DoLoadTex(Path("missing.tex"), store), TexDumpResult::kNotFound);
  EXPECT_EQ(DoLoadTex(dir_.string(), store), TexDumpResult::kNotTexDump);
  EXPECT_EQ(store, original);
  EXPECT_EQ(TexDumpMessage(TexDumpResult::kNotTexDump),
            "The selected file is not an F-Zero X\r\ntexture dump. Plese select a different\r\n"
            "file.");
  EXPECT_EQ(TexDumpMessage(TexDumpResult::kNotFound),
            "The file selected could not be found.\r\nPlease select a different file.");
}

TEST_F(TexDumpTest, AFailedSaveKeepsTheOldFileAndLeavesNoTemporaryFile) {
  ASSERT_EQ(DoSaveTex(Path("keep.tex"), RandomStore(4)), TexDumpResult::kOk);
  const std::vector<uint8_t> before = Read("keep.tex");
  std::string detail;
  EXPECT_EQ(DoSaveTex(Path("no-such-folder/x.tex"), RandomStore(5), &detail),
            TexDumpResult::kFileAccess);
  EXPECT_NE(detail.find("no-such-folder"), std::string::npos);
  EXPECT_NE(TexDumpMessage(TexDumpResult::kFileAccess, detail).find(detail), std::string::npos);
  if (::geteuid() != 0) {  // root writes into read-only folders anyway
    fs::permissions(dir_, fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_EQ(DoSaveTex(Path("keep.tex"), RandomStore(6)), TexDumpResult::kFileAccess);
    fs::permissions(dir_, fs::perms::owner_all);
  }
  EXPECT_EQ(Read("keep.tex"), before);
  size_t files = 0;
  for (const auto& entry : fs::directory_iterator(dir_)) files += entry.is_regular_file();
  EXPECT_EQ(files, 1u);
}

TEST(TexDumpSaveName, ExtensionRule) {
  EXPECT_EQ(TexDumpSaveName("/home/u/track"), "/home/u/track.tex");
  EXPECT_EQ(TexDumpSaveName("track"), "track.tex");
  EXPECT_EQ(TexDumpSaveName("/home/u/TRACK.TEX"), "/home/u/TRACK.TEX");
  EXPECT_EQ(TexDumpSaveName("a.tex"), "a.tex");
  EXPECT_EQ(TexDumpSaveName("a.texture"), "a.texture.tex");
  EXPECT_EQ(TexDumpSaveName("abc"), "New File.tex");
  EXPECT_EQ(TexDumpSaveName(""), "New File.tex");
}

}  // namespace
}  // namespace kurvex
