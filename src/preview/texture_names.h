#pragma once
// The GL names of the textures made from the texture store (0 for none), by the tables the
// drawing code binds them from, and the upload that fills them.

#include <array>
#include <cstdint>

#include "geometry/texture_ref.h"
#include "preview/zone_texture.h"
#include "rom/texture_store.h"

namespace kurvex {

class CometGL;

class TextureNames {
 public:
  // Out-of-range indices read as 0.
  uint32_t TrackTextures(int venue, int n) const;  // venue 0..10, n 1..11
  uint32_t FloorTextures(int k) const;             // 1..10
  uint32_t FeatureTextures(int k) const;           // 1..5
  uint32_t ModelTextures(int k) const;             // 1..48
  uint32_t HorizonTextures(int k) const;           // 1..55 images, 56..110 light masks

  // The name a geometry reference binds.
  uint32_t Resolve(const TextureRef& texture) const;

  bool Empty() const;
  // Every name, 0 or not, in upload order.
  template <typename F>
  void ForEach(F&& f) {
    Visit(*this, f);
  }
  template <typename F>
  void ForEach(F&& f) const {
    Visit(*this, f);
  }

 private:
  template <typename Self, typename F>
  static void Visit(Self& self, F& f) {
    for (auto& venue : self.track_) {
      for (auto& name : venue) f(name);
    }
    for (auto& name : self.floor_) f(name);
    for (auto& name : self.feature_) f(name);
    for (auto& name : self.model_) f(name);
    for (auto& name : self.horizon_) f(name);
  }

  friend void UploadTextures(const TextureStore& store, bool linear_filtering, CometGL& gl,
                             TextureNames& names);

  // Index 0 of every table is unused, as the tables count from 1.
  std::array<std::array<uint32_t, kTrackTexturesPerVenue + 1>, kVenueCount> track_{};
  std::array<uint32_t, kFloorCount + 1> floor_{};
  std::array<uint32_t, kFeatureCount + 1> feature_{};
  std::array<uint32_t, kModelTextureCount + 1> model_{};
  std::array<uint32_t, kHorizonTextureCount + 1> horizon_{};
};

// Deletes the textures named in the tables, then makes one texture of every picture of the
// store (294 in all), without mipmaps, and records the names. linear_filtering is the "Texture
// Filtering" setting.
void UploadTextures(const TextureStore& store, bool linear_filtering, CometGL& gl,
                    TextureNames& names);
// Deletes every texture named in the tables and sets the names to 0.
void DeleteTextures(CometGL& gl, TextureNames& names);

}  // namespace kurvex
