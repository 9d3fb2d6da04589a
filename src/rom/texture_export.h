#pragma once
// Every texture of the store as a picture file with a name that says what it is, for modders
// who want to look at the game's textures.

#include <string>
#include <vector>

#include "course/file_write.h"
#include "rom/texture_store.h"

namespace kurvex {

struct NamedTexture {
  std::string name;  // file name without folder, e.g. "track-venue00-01.png"
  TextureImage image;
};

// The names the pictures are written under, without ".png": numbers from 1, venues from 0,
// two digits each. The model export names its materials the same way.
std::string TrackTextureName(int venue, int n);
std::string FeatureTextureName(int k);
std::string ModelTextureName(int k);

// All 294 textures: track-venueVV-NN, floor-venueVV, feature-NN, model-NN, horizon-NN and
// horizon-light-NN (numbers from 1, venues from 0, two digits each), in store order.
std::vector<NamedTexture> ListStoreTextures(const TextureStore& store);

// Writes every texture as a PNG file (RGB or RGBA as stored) into folder, which must exist.
// Stops at the first file that cannot be written; *error then names it and the reason. When
// any of the files is one of the inputs, none is written.
bool ExportTexturePngs(const TextureStore& store, const std::string& folder,
                       std::string* error = nullptr, const InputFiles& inputs = {});

}  // namespace kurvex
