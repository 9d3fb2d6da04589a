// LoadRomTextures over synthetic images of every region and byte order, and the refusal of
// corrupt or oversized blocks with the store left as it was.
#include "rom/texture_loader.h"

#include <gtest/gtest.h>

#include <random>

#include "mio0_compressor.h"
#include "rom/texture_convert.h"
#include "texture_rom.h"

namespace kurvex {
namespace {

using test::BuildTextureRom;
using test::MakeTextureRomSource;
using test::TextureRomSource;

// What the store must hold for a source, built array by array from a zero-filled store.
TextureStore Expected(const TextureRomSource& source) {
  TextureStore store;
  for (int venue = 0; venue < kVenueCount; ++venue) {
    const auto& set = source.track_sets[venue];
    ConvertRgba16(set.data(), set.size(), store.TrackTextureData(venue));
  }
  ConvertRgba16(source.floors.data(), source.floors.size(), store.FloorTextureData());
  ConvertRgba16(source.features.data(), source.features.size(), store.FeatureTextureData());
  ConvertRgba16(source.models.data(), source.models.size(), store.ModelTextureData());
  BuildMirroredModelTextures(store);
  DecodeHorizons(source.horizons.data(), source.horizons.size(), store);
  return store;
}

TextureStore Scribbled() {
  TextureStore store;
  std::mt19937 random(77);
  for (size_t i = 0; i < kTextureStoreSize; i += 13) store.Bytes()[i] = uint8_t(random());
  return store;
}

RomImage Open(const test::TestRom& built, bool v64 = false, int16_t expected = kRomOk) {
  RomImage rom;
  EXPECT_EQ(rom.Identify(built.Image(v64)), expected);
  return rom;
}

// Shorter track sets leave zeros behind their textures, not what the store held before.
TEST(LoadRomTextures, EveryRegionAndByteOrderFillsTheWholeStore) {
  const struct {
    char region;
    bool v64;
    size_t track_set_length;
  } cases[] = {{'E', false, 49088}, {'J', true, 49088}, {'P', false, 11 * 4096}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.region);
    const TextureRomSource source = MakeTextureRomSource(c.region, c.track_set_length);
    const RomImage rom = Open(BuildTextureRom(c.region, source), c.v64);
    TextureStore store = Scribbled();
    std::string detail;
    std::vector<int> reports;
    const auto progress = [&](int done, int count) {
      EXPECT_EQ(count, kTextureBlockCount);
      reports.push_back(done);
    };
    ASSERT_EQ(LoadRomTextures(rom, store, &detail, progress), TextureLoadResult::kOk) << detail;
    EXPECT_TRUE(store == Expected(source));
    ASSERT_EQ(reports.size(), size_t{kTextureBlockCount});  // one report per block, in order
    EXPECT_EQ(reports.back(), kTextureBlockCount);
  }
}

TEST(LoadRomTextures, CorruptOrOversizedBlocksAreReportedAndChangeNothing) {
  const TextureRomSource source = MakeTextureRomSource(7);
  const TextureBlockOffsets& e = *TextureOffsetsForRegion('E');
  test::Mio0Writer corrupt;
  corrupt.Literal(1);
  corrupt.Reference(5, 3);
  const struct {
    uint32_t offset;
    std::vector<uint8_t> block;
    TextureLoadResult expected;
    const char* detail;
  } cases[] = {
      {e.track_sets[5], corrupt.Finish(), TextureLoadResult::kCorruptBlock,
       "track set of venue 5: MIO0 back reference before the start of the data"},
      {e.track_sets[9], test::CompressMio0(std::vector<uint8_t>(49090, 7)),
       TextureLoadResult::kBlockTooLarge,
       "track set of venue 9: decompressed length 49090 exceeds the texture array (49088)"},
      {e.models, test::CompressMio0(std::vector<uint8_t>(140546, 7)),
       TextureLoadResult::kBlockTooLarge,
       "model textures: decompressed length 140546 exceeds the texture array (140544)"},
  };
  for (const auto& c : cases) {
    test::TestRom built = BuildTextureRom('E', source);
    built.Put(c.offset, c.block);
    const TextureStore before = Scribbled();
    TextureStore store = before;
    std::string detail;
    EXPECT_EQ(LoadRomTextures(Open(built), store, &detail), c.expected) << c.detail;
    EXPECT_EQ(detail, c.detail);
    EXPECT_EQ(store, before) << c.detail;
    EXPECT_NE(TextureLoadMessage(c.expected, detail).Text().find(detail), std::string::npos);
  }
}

TEST(LoadRomTextures, UnknownRegionsAndFailedReadsChangeNothing) {
  const TextureStore before = Scribbled();
  TextureStore store = before;
  const RomImage bad_region = Open(BuildTextureRom('D', {}), false, kRomBadRegion);
  EXPECT_EQ(LoadRomTextures(bad_region, store), TextureLoadResult::kBadRegion);
  EXPECT_EQ(LoadRomTextures(RomImage(), store), TextureLoadResult::kReadError);
  // A reader that fails on the last block: everything before it was decoded, yet not kept.
  const RomImage rom = Open(BuildTextureRom('P', MakeTextureRomSource(8)));
  const uint32_t horizons = TextureOffsetsForRegion('P')->horizons;
  const RomBlockReader failing = [&](uint32_t offset, size_t length, std::vector<uint8_t>& block) {
    block.resize(length);
    return offset != horizons && rom.ReadBlock(offset, block.data(), length);
  };
  std::string detail;
  EXPECT_EQ(LoadTexturesFromBlocks('P', failing, store, &detail), TextureLoadResult::kReadError);
  EXPECT_EQ(detail, "horizon images: cannot be read");
  EXPECT_EQ(store, before);
}

}  // namespace
}  // namespace kurvex
