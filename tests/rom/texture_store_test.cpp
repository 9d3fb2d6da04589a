// The store's layout: array offsets in dump order, the single textures' sizes and places, and
// the model texture table.
#include "rom/texture_store.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

#include "rom/texture_export.h"

namespace kurvex {
namespace {

TEST(TextureStoreLayout, ArraysLieInDumpOrder) {
  const TextureStore store;
  // Each array's offset in the dump file.
  const std::pair<const uint8_t*, size_t> arrays[] = {
      {store.TrackTextureData(10), 736324},        {store.FloorTextureData(), 809956},
      {store.FeatureTextureData(), 871396},        {store.ModelTextureData(), 886756},
      {store.MirroredModelTextureData(), 1097572}, {store.HorizonTextureData(), 1146724},
      {store.HorizonLightData(), 2047844}};
  for (const auto& [data, at] : arrays) EXPECT_EQ(size_t(data - store.Bytes()) + 4, at);
  EXPECT_EQ(kTextureStoreSize, 2948968u - 8);
}

TEST(TextureStoreLayout, SingleTexturesTheirSizesAndPlaces) {
  const TextureStore store;
  for (int venue = 0; venue < kVenueCount; ++venue) {
    for (int n = 1; n <= kTrackTexturesPerVenue; ++n) {
      const TextureImage image = store.TrackTexture(venue, n);
      EXPECT_EQ(image.width, n == 8 ? 128 : 64);
      EXPECT_EQ(image.height, n == 8 ? 16 : 32);
      EXPECT_EQ(image.channels, 3);
      EXPECT_EQ(image.pixels, store.TrackTextureData(venue) + (n - 1) * 6144);
    }
  }
  EXPECT_FALSE(store.TrackTexture(11, 1).Valid());
  EXPECT_FALSE(store.TrackTexture(0, 12).Valid());
  EXPECT_FALSE(store.TrackTexture(-1, 1).Valid());
  // Light masks follow the horizon images.
  EXPECT_EQ(store.HorizonTexture(55).pixels, store.HorizonTextureData() + 54 * 16384);
  EXPECT_EQ(store.HorizonTexture(56).pixels, store.HorizonLightData());
  EXPECT_EQ(store.HorizonTexture(56).channels, 4);
  EXPECT_FALSE(store.HorizonTexture(111).Valid());
  EXPECT_EQ(store.FloorTexture(10).pixels, store.FloorTextureData() + 9 * 6144);
}

TEST(ModelTextureTable, EntriesAfterTheLeadTheMirroredOnesAndNoOverlaps) {
  EXPECT_EQ(ModelTextureLayout(1).offset, 12u);
  EXPECT_EQ(ModelTextureLayout(31).offset, 12u + 129828 + 2 * 3072);
  const ModelTextureEntry big = ModelTextureLayout(41);
  EXPECT_EQ(std::make_pair(big.width, big.height), std::make_pair(64, 64));
  EXPECT_TRUE(ModelTextureLayout(12).mirrored);
  EXPECT_EQ(ModelTextureLayout(12).offset, 7u * 6144);
  EXPECT_EQ(ModelTextureLayout(49).width, 0);
  // Every entry fits its array and overlaps no other.
  std::vector<std::pair<size_t, size_t>> plain;  // [begin, end) in ModelTextureData
  std::vector<std::pair<size_t, size_t>> mirrored;
  for (int k = 1; k <= kModelTextureCount; ++k) {
    const ModelTextureEntry entry = ModelTextureLayout(k);
    ASSERT_GT(entry.width, 0) << k;
    const size_t size = static_cast<size_t>(entry.width) * entry.height * 3;
    EXPECT_EQ(entry.offset % 3, 0u) << k;
    (entry.mirrored ? mirrored : plain).push_back({entry.offset, entry.offset + size});
  }
  EXPECT_EQ(mirrored.size(), 8u);
  for (auto* list : {&plain, &mirrored}) {
    std::sort(list->begin(), list->end());
    for (size_t i = 1; i < list->size(); ++i) EXPECT_LE((*list)[i - 1].second, (*list)[i].first);
  }
  EXPECT_LE(plain.back().second, kModelTextureDataSize);
  EXPECT_EQ(mirrored.back().second, kMirroredModelTextureDataSize);
}

TEST(TextureExportNames, EveryTextureOnceWithItsName) {
  const TextureStore store;
  const std::vector<NamedTexture> list = ListStoreTextures(store);
  ASSERT_EQ(list.size(), 294u);
  std::vector<std::string> names;
  size_t bytes = 0;
  for (const NamedTexture& texture : list) {
    ASSERT_TRUE(texture.image.Valid()) << texture.name;
    names.push_back(texture.name);
    bytes += texture.image.ByteSize();
  }
  EXPECT_EQ(names[0], "track-venue00-01.png");
  EXPECT_EQ(names[120], "track-venue10-11.png");
  EXPECT_EQ(names[121], "floor-venue00.png");
  EXPECT_EQ(names[131], "feature-01.png");
  EXPECT_EQ(names[136 + 40], "model-41.png");
  EXPECT_EQ(list[136 + 40].image.width, 64);
  EXPECT_EQ(names[184 + 16], "horizon-17.png");
  EXPECT_EQ(names[239 + 16], "horizon-light-17.png");
  EXPECT_EQ(list[239 + 16].image.pixels, store.HorizonLightData() + 16 * 16384);
  std::sort(names.begin(), names.end());
  EXPECT_EQ(std::unique(names.begin(), names.end()), names.end());
  // Everything but the unused tail of each track set and of the model block is exported.
  EXPECT_EQ(bytes, 11u * 11 * 6144 + 61440 + 15360 + 168960 + 49152 + 2 * 901120);
}

}  // namespace
}  // namespace kurvex
