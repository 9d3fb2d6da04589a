#include "rom/texture_store.h"

#include <algorithm>

namespace kurvex {

namespace {

struct ModelTextureGroup {
  int first;
  int last;
  int width;
  int height;
  size_t base;  // inside the decoded model block, after its 12 leading bytes
};

// Entries 5..12 are the mirrored textures and have no group here.
constexpr ModelTextureGroup kModelTextureGroups[] = {
    {1, 2, 128, 16, 0},       {3, 4, 64, 32, 12288},    {13, 20, 128, 8, 49152},
    {21, 24, 128, 16, 73728}, {25, 28, 64, 32, 98304},  {29, 31, 32, 32, 129828},
    {32, 32, 16, 16, 139044}, {33, 33, 16, 32, 139812}, {34, 34, 16, 16, 141348},
    {35, 36, 32, 32, 143640}, {37, 39, 32, 32, 151272}, {40, 40, 32, 32, 162408},
    {41, 41, 64, 64, 165912}, {42, 43, 32, 32, 178692}, {44, 44, 32, 32, 185328},
    {45, 45, 32, 32, 190488}, {46, 46, 32, 32, 193824}, {47, 47, 32, 64, 197379},
    {48, 48, 32, 64, 204084},
};

constexpr size_t kModelBlockLead = 12;
constexpr int kFirstMirrored = 5;
constexpr int kLastMirrored = 12;

}  // namespace

ModelTextureEntry ModelTextureLayout(int k) {
  if (k >= kFirstMirrored && k <= kLastMirrored) {
    return {64, 32, true, static_cast<size_t>(k - kFirstMirrored) * kMirroredTextureStride};
  }
  for (const ModelTextureGroup& group : kModelTextureGroups) {
    if (k < group.first || k > group.last) continue;
    const size_t size = static_cast<size_t>(group.width) * group.height * 3;
    return {group.width, group.height, false,
            kModelBlockLead + group.base + static_cast<size_t>(k - group.first) * size};
  }
  return {};
}

TextureStore::TextureStore() : bytes_(kTextureStoreSize, 0) {}

uint8_t* TextureStore::TrackTextureData(int venue) {
  return bytes_.data() + std::clamp(venue, 0, kVenueCount - 1) * kTrackTextureDataSize;
}

const uint8_t* TextureStore::TrackTextureData(int venue) const {
  return bytes_.data() + std::clamp(venue, 0, kVenueCount - 1) * kTrackTextureDataSize;
}

TextureImage TextureStore::TrackTexture(int venue, int n) const {
  if (venue < 0 || venue >= kVenueCount || n < 1 || n > kTrackTexturesPerVenue) return {};
  // Texture 8 of every set is the wide one; all have the same byte size.
  const bool wide = n == 8;
  return {TrackTextureData(venue) + (n - 1) * kTrackTextureStride, wide ? 128 : 64, wide ? 16 : 32,
          3};
}

TextureImage TextureStore::FloorTexture(int k) const {
  if (k < 1 || k > kFloorCount) return {};
  return {FloorTextureData() + (k - 1) * kFloorTextureStride, 64, 32, 3};
}

TextureImage TextureStore::FeatureTexture(int k) const {
  if (k < 1 || k > kFeatureCount) return {};
  return {FeatureTextureData() + (k - 1) * kFeatureTextureStride, 32, 32, 3};
}

TextureImage TextureStore::ModelTexture(int k) const {
  const ModelTextureEntry entry = ModelTextureLayout(k);
  if (entry.width == 0) return {};
  const uint8_t* base = entry.mirrored ? MirroredModelTextureData() : ModelTextureData();
  return {base + entry.offset, entry.width, entry.height, 3};
}

TextureImage TextureStore::HorizonTexture(int k) const {
  if (k < 1 || k > kHorizonTextureCount) return {};
  const bool light = k > kHorizonCount;
  const uint8_t* base = light ? HorizonLightData() : HorizonTextureData();
  const int image = light ? k - kHorizonCount : k;
  return {base + (image - 1) * kHorizonImageStride, kHorizonImageSide, kHorizonImageSide, 4};
}

}  // namespace kurvex
