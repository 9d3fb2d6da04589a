// The texture dump file: its bytes, refusal of anything that is not a whole dump without
// touching the store, atomic saving, and the save-name rule.
#include "rom/texture_dump.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <random>

#include "course/file_io.h"
#include "rom_builder.h"
#include "scratch_dir.h"

namespace kurvex {
namespace {

using test::FileBytes;
using test::ScratchDir;

TextureStore RandomStore(uint32_t seed) {
  TextureStore store;
  std::mt19937 random(seed);
  for (size_t i = 0; i < kTextureStoreSize; i += 97) store.Bytes()[i] = uint8_t(random());
  return store;
}

// Where each array lies in the store, and so in the dump, is the store layout's test; the
// name rule itself is CompleteFileName's.
TEST(TexDump, SaveWritesTheStoreBetweenMarkersAndLoadsBackIdentical) {
  const ScratchDir dir;
  const TextureStore saved = RandomStore(1);
  ASSERT_EQ(DoSaveTex(dir.Path("a.tex"), saved), TexDumpResult::kOk);
  const std::vector<uint8_t> bytes = FileBytes(dir.Path("a.tex"));
  ASSERT_EQ(bytes.size(), 2948968u);
  EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 4), "KURV");
  EXPECT_EQ(std::string(bytes.end() - 4, bytes.end()), "KURV");
  EXPECT_TRUE(std::equal(saved.Bytes(), saved.Bytes() + kTextureStoreSize, bytes.begin() + 4));
  TextureStore loaded;
  ASSERT_EQ(DoLoadTex(dir.Path("a.tex"), loaded), TexDumpResult::kOk);
  EXPECT_EQ(loaded, saved);
  EXPECT_EQ(TexDumpSaveName("/home/u/track"), "/home/u/track.tex");
  EXPECT_EQ(TexDumpSaveName("/home/u/TRACK.TEX"), "/home/u/TRACK.TEX");
  EXPECT_EQ(TexDumpSaveName("abc"), "New File.tex");
}

// The exact text of kNotTexDump is checked by the kurvex-cli tests.
TEST(TexDump, AnythingButAWholeDumpIsRefusedAndTheStoreIsUnchanged) {
  const ScratchDir dir;
  ASSERT_EQ(DoSaveTex(dir.Path("good.tex"), RandomStore(3)), TexDumpResult::kOk);
  std::vector<std::vector<uint8_t>> bad(5, FileBytes(dir.Path("good.tex")));
  bad[0].back() = 'W';                 // end marker
  bad[1][0] = 'k';                     // start marker
  bad[2].push_back(0);                 // a byte too long
  bad[3].erase(bad[3].begin() + 100);  // a byte too short
  bad[4].clear();
  const TextureStore original = RandomStore(2);
  TextureStore store = original;
  for (size_t i = 0; i < bad.size(); ++i) {
    const std::string path = dir.Path(std::to_string(i) + ".tex");
    ASSERT_TRUE(WriteFileAtomically(path, bad[i].data(), bad[i].size()));
    EXPECT_EQ(DoLoadTex(path, store), TexDumpResult::kNotTexDump) << i;
  }
  EXPECT_EQ(DoLoadTex(dir.Path("missing.tex"), store), TexDumpResult::kNotFound);
  std::string reason;
  EXPECT_EQ(DoLoadTex(dir.path(), store, &reason), TexDumpResult::kFileAccess);
  EXPECT_EQ(reason, dir.path() + ": not a regular file (a folder)");
  EXPECT_EQ(store, original);
  EXPECT_EQ(TexDumpMessage(TexDumpResult::kNotFound).Text(),
            "The file selected could not be found.\r\nPlease select a different file.");
}

// Saving goes through a new file renamed into place (a new inode), even for root, who could
// write into a read-only folder; a failed save leaves no temporary file.
TEST(TexDump, SavesReplaceTheFileWholeAndAFailedSaveLeavesNothing) {
  const ScratchDir dir;
  const std::string path = dir.Path("keep.tex");
  auto inode = [&path] {
    struct stat st = {};
    EXPECT_EQ(::stat(path.c_str(), &st), 0);
    return st.st_ino;
  };
  ASSERT_EQ(DoSaveTex(path, RandomStore(4)), TexDumpResult::kOk);
  const auto first = inode();
  ASSERT_EQ(DoSaveTex(path, RandomStore(5)), TexDumpResult::kOk);
  if (first != 0) EXPECT_NE(inode(), first);  // Windows gives no inode numbers
  std::string detail;
  EXPECT_EQ(DoSaveTex(dir.Path("no-such-folder/x.tex"), RandomStore(6), &detail),
            TexDumpResult::kFileAccess);
  EXPECT_EQ(detail, dir.Path("no-such-folder/x.tex") + ": No such file or directory");
  EXPECT_EQ(dir.Files(), std::vector<std::string>{"keep.tex"});
}

}  // namespace
}  // namespace kurvex
