#include "rom/texture_export.h"

#include <cstdio>

#include "rom/png_writer.h"

namespace kurvex {

namespace {

std::string TwoDigits(int n) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d", n);
  return text;
}

}  // namespace

std::string TrackTextureName(int venue, int n) {
  return "track-venue" + TwoDigits(venue) + "-" + TwoDigits(n);
}
std::string FeatureTextureName(int k) { return "feature-" + TwoDigits(k); }
std::string ModelTextureName(int k) { return "model-" + TwoDigits(k); }

std::vector<NamedTexture> ListStoreTextures(const TextureStore& store) {
  std::vector<NamedTexture> list;
  list.reserve(kVenueCount * kTrackTexturesPerVenue + kFloorCount + kFeatureCount +
               kModelTextureCount + kHorizonTextureCount);
  for (int venue = 0; venue < kVenueCount; ++venue) {
    for (int n = 1; n <= kTrackTexturesPerVenue; ++n) {
      list.push_back({TrackTextureName(venue, n) + ".png", store.TrackTexture(venue, n)});
    }
  }
  for (int k = 1; k <= kFloorCount; ++k) {
    list.push_back({"floor-venue" + TwoDigits(k - 1) + ".png", store.FloorTexture(k)});
  }
  for (int k = 1; k <= kFeatureCount; ++k) {
    list.push_back({FeatureTextureName(k) + ".png", store.FeatureTexture(k)});
  }
  for (int k = 1; k <= kModelTextureCount; ++k) {
    list.push_back({ModelTextureName(k) + ".png", store.ModelTexture(k)});
  }
  for (int k = 1; k <= kHorizonCount; ++k) {
    list.push_back({"horizon-" + TwoDigits(k) + ".png", store.HorizonTexture(k)});
  }
  for (int k = 1; k <= kHorizonCount; ++k) {
    list.push_back(
        {"horizon-light-" + TwoDigits(k) + ".png", store.HorizonTexture(kHorizonCount + k)});
  }
  return list;
}

bool ExportTexturePngs(const TextureStore& store, const std::string& folder, std::string* error,
                       const InputFiles& inputs) {
  const std::string prefix = folder.empty() || folder.back() == '/' ? folder : folder + "/";
  const std::vector<NamedTexture> textures = ListStoreTextures(store);
  std::vector<std::string> targets;
  for (const NamedTexture& texture : textures) targets.push_back(prefix + texture.name);
  if (!NoInputAmong(targets, inputs, error)) return false;
  for (const NamedTexture& texture : textures) {
    const TextureImage& image = texture.image;
    if (!WritePng(prefix + texture.name, image.pixels, image.width, image.height, image.channels,
                  error, inputs)) {
      return false;
    }
  }
  return true;
}

}  // namespace kurvex
