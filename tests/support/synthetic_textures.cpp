#include "synthetic_textures.h"

namespace kurvex::test {

namespace {

// Hues spread by the golden angle, so neighbouring textures look nothing alike.
Rgb8 Bright(int key) {
  const int hue = (key * 137) % 360;
  const int sector = hue / 60;
  const int f = (hue % 60) * 255 / 60;
  const uint8_t up = static_cast<uint8_t>(40 + f * 215 / 255);
  const uint8_t down = static_cast<uint8_t>(255 - f * 215 / 255);
  switch (sector) {
    case 0:
      return {255, up, 40};
    case 1:
      return {down, 255, 40};
    case 2:
      return {40, 255, up};
    case 3:
      return {40, down, 255};
    case 4:
      return {up, 40, 255};
    default:
      return {255, 40, down};
  }
}

int KeyOf(TextureTable table, int index, int venue) {
  switch (table) {
    case TextureTable::kTrack:
      return 1 + venue * 11 + index;
    case TextureTable::kFloor:
      return 200 + index;
    case TextureTable::kFeature:
      return 300 + index;
    case TextureTable::kModel:
      return 400 + index;
    default:
      return 500 + index;
  }
}

void Paint(uint8_t* pixels, int width, int height, int channels, const TextureHalves& colours) {
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const Rgb8& c = x < width / 2 ? colours.left : colours.right;
      uint8_t* p = pixels + (static_cast<size_t>(y) * width + x) * channels;
      p[0] = c.r;
      p[1] = c.g;
      p[2] = c.b;
      if (channels == 4) p[3] = 255;
    }
  }
}

}  // namespace

TextureHalves SyntheticColours(TextureTable table, int index, int venue) {
  const Rgb8 bright = Bright(KeyOf(table, index, venue));
  const Rgb8 dark = {static_cast<uint8_t>(bright.r / 3), static_cast<uint8_t>(bright.g / 3),
                     static_cast<uint8_t>(bright.b / 3)};
  return {bright, dark};
}

TextureStore MakeSyntheticTextureStore() {
  TextureStore store;
  for (int venue = 0; venue < kVenueCount; ++venue) {
    for (int n = 1; n <= kTrackTexturesPerVenue; ++n) {
      const TextureImage image = store.TrackTexture(venue, n);
      Paint(store.TrackTextureData(venue) + (n - 1) * kTrackTextureStride, image.width,
            image.height, 3, SyntheticColours(TextureTable::kTrack, n, venue));
    }
  }
  for (int k = 1; k <= kFloorCount; ++k) {
    Paint(store.FloorTextureData() + (k - 1) * kFloorTextureStride, 64, 32, 3,
          SyntheticColours(TextureTable::kFloor, k));
  }
  for (int k = 1; k <= kFeatureCount; ++k) {
    Paint(store.FeatureTextureData() + (k - 1) * kFeatureTextureStride, 32, 32, 3,
          SyntheticColours(TextureTable::kFeature, k));
  }
  for (int k = 1; k <= kModelTextureCount; ++k) {
    const ModelTextureEntry entry = ModelTextureLayout(k);
    uint8_t* base = entry.mirrored ? store.MirroredModelTextureData() : store.ModelTextureData();
    Paint(base + entry.offset, entry.width, entry.height, 3,
          SyntheticColours(TextureTable::kModel, k));
  }
  const int side = kHorizonImageSide;
  for (int k = 1; k <= kHorizonCount; ++k) {
    Paint(store.HorizonTextureData() + (k - 1) * kHorizonImageStride, side, side, 4,
          SyntheticColours(TextureTable::kHorizon, k));
    uint8_t* light = store.HorizonLightData() + (k - 1) * kHorizonImageStride;
    Paint(light, side, side, 4, {{255, 255, 255}, {255, 255, 255}});
    for (int y = 0; y < side; ++y) {
      for (int x = side / 2; x < side; ++x) light[(y * side + x) * 4 + 3] = 0;
    }
  }
  return store;
}

}  // namespace kurvex::test
