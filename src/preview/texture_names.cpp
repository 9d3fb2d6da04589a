#include "preview/texture_names.h"

#include "preview/comet_gl.h"

namespace kurvex {

namespace {

template <size_t N>
uint32_t At(const std::array<uint32_t, N>& table, int k) {
  return k >= 1 && static_cast<size_t>(k) < N ? table[k] : 0;
}

uint32_t Load(const TextureImage& image, bool linear_filtering, CometGL& gl) {
  if (!image.Valid()) return 0;
  return gl.TextureLoad({image.pixels, image.channels, image.width, image.height}, false,
                        linear_filtering);
}

}  // namespace

uint32_t TextureNames::TrackTextures(int venue, int n) const {
  if (venue < 0 || venue >= kVenueCount) return 0;
  return At(track_[venue], n);
}

uint32_t TextureNames::FloorTextures(int k) const { return At(floor_, k); }
uint32_t TextureNames::FeatureTextures(int k) const { return At(feature_, k); }
uint32_t TextureNames::ModelTextures(int k) const { return At(model_, k); }
uint32_t TextureNames::HorizonTextures(int k) const { return At(horizon_, k); }

uint32_t TextureNames::Resolve(const TextureRef& texture) const {
  switch (texture.kind) {
    case TextureRef::kTrack:
      return TrackTextures(texture.venue, texture.index);
    case TextureRef::kModel:
      return ModelTextures(texture.index);
    case TextureRef::kFeature:
      return FeatureTextures(texture.index);
    case TextureRef::kZone:
      return ModelTextures(ZoneModelTexture(texture.index));
    default:
      return 0;
  }
}

bool TextureNames::Empty() const {
  bool empty = true;
  ForEach([&](uint32_t name) { empty = empty && name == 0; });
  return empty;
}

void UploadTextures(const TextureStore& store, bool linear_filtering, CometGL& gl,
                    TextureNames& names) {
  DeleteTextures(gl, names);
  for (int venue = 0; venue < kVenueCount; ++venue) {
    for (int n = 1; n <= kTrackTexturesPerVenue; ++n) {
      names.track_[venue][n] = Load(store.TrackTexture(venue, n), linear_filtering, gl);
    }
  }
  for (int k = 1; k <= kFloorCount; ++k) {
    names.floor_[k] = Load(store.FloorTexture(k), linear_filtering, gl);
  }
  for (int k = 1; k <= kFeatureCount; ++k) {
    names.feature_[k] = Load(store.FeatureTexture(k), linear_filtering, gl);
  }
  for (int k = 1; k <= kModelTextureCount; ++k) {
    names.model_[k] = Load(store.ModelTexture(k), linear_filtering, gl);
  }
  for (int k = 1; k <= kHorizonTextureCount; ++k) {
    names.horizon_[k] = Load(store.HorizonTexture(k), linear_filtering, gl);
  }
}

void DeleteTextures(CometGL& gl, TextureNames& names) {
  names.ForEach([&](uint32_t& name) {
    if (name != 0) gl.TextureDelete(name);
    name = 0;
  });
}

}  // namespace kurvex
