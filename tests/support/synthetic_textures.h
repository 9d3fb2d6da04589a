#pragma once
// A texture store of plain pictures for the preview's tests: every texture is split down the
// middle into a light left half and a dark right half of its own colour, so that a rendered
// pixel tells which texture and which side of it (low or high s) was drawn.

#include <cstdint>

#include "rom/texture_store.h"

namespace kurvex::test {

struct Rgb8 {
  uint8_t r = 0, g = 0, b = 0;
};

enum class TextureTable { kTrack, kFloor, kFeature, kModel, kHorizon };

struct TextureHalves {
  Rgb8 left;   // texels of the left half (s below 0.5)
  Rgb8 right;  // texels of the right half
};

// The colours of a texture; venue only counts for track textures.
TextureHalves SyntheticColours(TextureTable table, int index, int venue = 0);

// Every texture of the store painted as above; horizon images are opaque, their light masks
// opaque white on the left half and transparent on the right.
TextureStore MakeSyntheticTextureStore();

}  // namespace kurvex::test
