#pragma once
// Which texture of the texture store a drawing binds. The geometry only names the texture; the
// drawing layer resolves the reference to its own texture name when the list is recorded, and
// binds nothing (texture 0) for a reference it has no texture for.

#include <cstdint>

namespace kurvex {

struct TextureRef {
  enum Kind : uint8_t {
    kNone = 0,     // binds no texture
    kTrack = 1,    // track texture `index` (1..11) of venue `venue` (0..10)
    kModel = 2,    // model texture `index` (1..48)
    kFeature = 3,  // feature texture `index` (1..5)
    kZone = 4,     // the texture of zone kind `index`: 1 pit area, 2 dart zone, 3 slip zone
  };
  Kind kind = kNone;
  int venue = 0;
  int index = 0;

  static TextureRef None() { return {}; }
  static TextureRef Track(int venue, int n) { return {kTrack, venue, n}; }
  static TextureRef Model(int k) { return {kModel, 0, k}; }
  static TextureRef Feature(int k) { return {kFeature, 0, k}; }
  static TextureRef Zone(int zone_kind) { return {kZone, 0, zone_kind}; }
};

inline bool operator==(const TextureRef& a, const TextureRef& b) {
  return a.kind == b.kind && a.venue == b.venue && a.index == b.index;
}
inline bool operator!=(const TextureRef& a, const TextureRef& b) { return !(a == b); }

}  // namespace kurvex
