// LoadRomTextures over synthetic images of every region and byte order, and the refusal of
// corrupt or oversized blocks with the store left as it was.
#include "rom/texture_loader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "mio0_compressor.h"
#include "rom/rom_image.h"
#include "rom/texture_convert.h"
#include "texture_rom.h"

namespace kurvex {
namespace {

using testing::BuildTextureRom;
using testing::MakeTextureRomSource;
using testing::TextureRomSource;

// What the store must hold for a source, built array by array.
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
  for (size_t i = 0; i < kTextureStoreSize; i += 13)
    store.Bytes()[i] = static_cast<uint8_t>(random());
  return store;
}

RomImage Open(std::vector<uint8_t> file_bytes, int16_t expected = kRomOk) {
  RomImage rom;
  EXPECT_EQ(rom.Identify(std::move(file_bytes)), expected);
  return rom;
}

void ExpectArraysEqual(const TextureStore& got, const TextureStore& want) {
  for (int venue = 0; venue < kVenueCount; ++venue) {
    EXPECT_TRUE(std::equal(got.TrackTextureData(venue),
                           got.TrackTextureData(venue) + kTrackTextureDataSize,
                           want.TrackTextureData(venue)))
        << "venue " << venue;
  }
  const struct {
    const char* name;
    const uint8_t* got;
    const uint8_t* want;
    size_t size;
  } arrays[] = {
      {"floors", got.FloorTextureData(), want.FloorTextureData(), kFloorTextureDataSize},
      {"features", got.FeatureTextureData(), want.FeatureTextureData(), kFeatureTextureDataSize},
      {"models", got.ModelTextureData(), want.ModelTextureData(), kModelTextureDataSize},
      {"mirrored", got.MirroredModelTextureData(), want.MirroredModelTextureData(),
       kMirroredModelTextureDataSize},
      {"horizons", got.HorizonTextureData(), want.HorizonTextureData(), kHorizonTextureDataSize},
      {"lights", got.HorizonLightData(), want.HorizonLightData(), kHorizonLightDataSize},
  };
  for (const auto& array : arrays) {
    EXPECT_TRUE(std::equal(array.got, array.got + array.size, array.want)) << array.name;
  }
}

TEST(LoadRomTextures, EveryRegionAndByteOrderFillsTheWholeStore) {
  const struct {
    char region;
    bool v64;
  } cases[] = {{'E', false}, {'J', true}, {'P', false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.region);
    const TextureRomSource source = MakeTextureRomSource(c.region);
    std::vector<uint8_t> file = BuildTextureRom(c.region, source);
    if (c.v64) file = testing::ToV64(std::move(file));
    const RomImage rom = Open(std::move(file));
    ASSERT_EQ(rom.byte_swapped(), c.v64);
    TextureStore store = Scribbled();
    std::string detail;
    ASSERT_EQ(LoadRomTextures(rom, store, &detail), TextureLoadResult::kOk) << detail;
    ExpectArraysEqual(store, Expected(source));
  }
}

TEST(LoadRomTextures, ASpotCheckedPixelOfEachVenue) {
  const TextureRomSource source = MakeTextureRomSource(5);
  const RomImage rom = Open(BuildTextureRom('E', source));
  TextureStore store;
  ASSERT_EQ(LoadRomTextures(rom, store), TextureLoadResult::kOk);
  for (int venue = 0; venue < kVenueCount; ++venue) {
    // Texture 8's first pixel, from the raw 16-bit value by hand.
    const uint8_t* raw = source.track_sets[venue].data() + 7 * 4096;
    const uint32_t p = (uint32_t{raw[0]} << 8) | raw[1];
    const uint8_t* rgb = store.TrackTexture(venue, 8).pixels;
    EXPECT_EQ(rgb[0], (((p >> 11) & 31) * 255 + 15) / 31) << venue;
    EXPECT_EQ(rgb[2], (((p >> 1) & 31) * 255 + 15) / 31) << venue;
  }
}

TEST(LoadRomTextures, ShorterTrackSetsLeaveZerosBehindTheirTextures) {
  const TextureRomSource source = MakeTextureRomSource(6, 11 * 4096);
  const RomImage rom = Open(BuildTextureRom('E', source));
  TextureStore store = Scribbled();
  ASSERT_EQ(LoadRomTextures(rom, store), TextureLoadResult::kOk);
  const uint8_t* set = store.TrackTextureData(4);
  EXPECT_TRUE(
      std::all_of(set + 11 * 6144, set + kTrackTextureDataSize, [](uint8_t b) { return b == 0; }));
  ExpectArraysEqual(store, Expected(source));
}

TEST(LoadRomTextures, CorruptOrOversizedBlocksAreReportedAndChangeNothing) {
  const TextureRomSource source = MakeTextureRomSource(7);
  const TextureBlockOffsets& e = *TextureOffsetsForRegion('E');
  testing::Mio0Writer corrupt;
  corrupt.Literal(1);
  corrupt.Reference(5, 3);
  const struct {
    const char* what;
    uint32_t offset;
    std::vector<uint8_t> block;
    TextureLoadResult expected;
    const char* detail;
  } cases[] = {
      {"corrupt", e.track_sets[5], corrupt.Finish(), TextureLoadResult::kCorruptBlock,
       "track set of venue 5: MIO0 back reference before the start of the data"},
      {"set too large", e.track_sets[9], testing::CompressMio0(std::vector<uint8_t>(49090, 7)),
       TextureLoadResult::kBlockTooLarge,
       "track set of venue 9: decompressed length 49090 exceeds the texture array (49088)"},
      {"models too large", e.models, testing::CompressMio0(std::vector<uint8_t>(140546, 7)),
       TextureLoadResult::kBlockTooLarge,
       "model textures: decompressed length 140546 exceeds the texture array (140544)"},
  };
  for (const auto& c : cases) {
    std::vector<uint8_t> file = BuildTextureRom('E', source);
    testing::PutBlock(file, c.offset, c.block);
    const RomImage rom = Open(std::move(file));
    const TextureStore before = Scribbled();
    TextureStore store = before;
    std::string detail;
    EXPECT_EQ(LoadRomTextures(rom, store, &detail), c.expected) << c.what;
    EXPECT_EQ(detail, c.detail);
    EXPECT_EQ(store, before) << c.what;
    EXPECT_NE(TextureLoadMessage(c.expected, detail).find(detail), std::string::npos);
  }
}

TEST(LoadRomTextures, UnknownRegionsAndFailedReadsChangeNothing) {
  const TextureStore before = Scribbled();
  TextureStore store = before;
  const RomImage bad_region = Open(BuildTextureRom('D', {}), kRomBadRegion);
  EXPECT_EQ(LoadRomTextures(bad_region, store), TextureLoadResult::kBadRegion);
  EXPECT_EQ(LoadRomTextures(RomImage(), store), TextureLoadResult::kReadError);
  // A reader that fails on the last block: everything before it was decoded, yet not kept.
  const TextureRomSource source = MakeTextureRomSource(8);
  const RomImage rom = Open(BuildTextureRom('P', source));
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
