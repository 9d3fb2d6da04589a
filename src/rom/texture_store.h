#pragma once
// The texture store: every picture the preview draws with, decoded from the ROM or read from a
// texture dump. The arrays lie back to back in one buffer in the order of the dump file, so that
// saving and loading a dump are single copies; the array accessors are views into it.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace kurvex {

inline constexpr int kVenueCount = 11;             // venues 0..10
inline constexpr int kTrackTexturesPerVenue = 11;  // textures 1..11 of a track set
inline constexpr int kFloorCount = 10;
inline constexpr int kFeatureCount = 5;
inline constexpr int kModelTextureCount = 48;
inline constexpr int kMirroredModelTextureCount = 8;
inline constexpr int kHorizonCount = 55;
// Horizon textures 1..55 are the images, 56..110 their light masks.
inline constexpr int kHorizonTextureCount = 2 * kHorizonCount;

inline constexpr size_t kTrackTextureDataSize = 73632;
inline constexpr size_t kFloorTextureDataSize = 61440;
inline constexpr size_t kFeatureTextureDataSize = 15360;
inline constexpr size_t kModelTextureDataSize = 210816;
inline constexpr size_t kMirroredModelTextureDataSize = 49152;
inline constexpr size_t kHorizonTextureDataSize = 901120;
inline constexpr size_t kHorizonLightDataSize = 901120;

inline constexpr size_t kTrackTextureStride = 6144;    // 64 x 32 (or 128 x 16) RGB
inline constexpr size_t kFloorTextureStride = 6144;    // 64 x 32 RGB
inline constexpr size_t kFeatureTextureStride = 3072;  // 32 x 32 RGB
inline constexpr size_t kMirroredTextureStride = 6144;
inline constexpr size_t kHorizonImageStride = 16384;  // 64 x 64 RGBA
inline constexpr int kHorizonImageSide = 64;

// Offsets of the arrays inside the store, in dump order.
inline constexpr size_t kFloorTextureOffset = kVenueCount * kTrackTextureDataSize;
inline constexpr size_t kFeatureTextureOffset = kFloorTextureOffset + kFloorTextureDataSize;
inline constexpr size_t kModelTextureOffset = kFeatureTextureOffset + kFeatureTextureDataSize;
inline constexpr size_t kMirroredModelTextureOffset = kModelTextureOffset + kModelTextureDataSize;
inline constexpr size_t kHorizonTextureOffset =
    kMirroredModelTextureOffset + kMirroredModelTextureDataSize;
inline constexpr size_t kHorizonLightOffset = kHorizonTextureOffset + kHorizonTextureDataSize;
inline constexpr size_t kTextureStoreSize = kHorizonLightOffset + kHorizonLightDataSize;

// Where model texture k (1..48) lies: its size and its offset inside ModelTextureData, or inside
// MirroredModelTextureData for the mirrored ones (5..12).
struct ModelTextureEntry {
  int width = 0;
  int height = 0;
  bool mirrored = false;
  size_t offset = 0;
};
// A zero-sized entry for k outside 1..48.
ModelTextureEntry ModelTextureLayout(int k);

// One texture of the store: rows from the first stored row on, 3 (RGB) or 4 (RGBA) bytes a pixel.
struct TextureImage {
  const uint8_t* pixels = nullptr;
  int width = 0;
  int height = 0;
  int channels = 0;

  bool Valid() const { return pixels != nullptr; }
  size_t ByteSize() const { return static_cast<size_t>(width) * height * channels; }
};

class TextureStore {
 public:
  // Every array zero-filled.
  TextureStore();

  // The named arrays; venue 0..10. Out-of-range venues are clamped.
  uint8_t* TrackTextureData(int venue);
  const uint8_t* TrackTextureData(int venue) const;
  uint8_t* FloorTextureData() { return bytes_.data() + kFloorTextureOffset; }
  const uint8_t* FloorTextureData() const { return bytes_.data() + kFloorTextureOffset; }
  uint8_t* FeatureTextureData() { return bytes_.data() + kFeatureTextureOffset; }
  const uint8_t* FeatureTextureData() const { return bytes_.data() + kFeatureTextureOffset; }
  uint8_t* ModelTextureData() { return bytes_.data() + kModelTextureOffset; }
  const uint8_t* ModelTextureData() const { return bytes_.data() + kModelTextureOffset; }
  uint8_t* MirroredModelTextureData() { return bytes_.data() + kMirroredModelTextureOffset; }
  const uint8_t* MirroredModelTextureData() const {
    return bytes_.data() + kMirroredModelTextureOffset;
  }
  uint8_t* HorizonTextureData() { return bytes_.data() + kHorizonTextureOffset; }
  const uint8_t* HorizonTextureData() const { return bytes_.data() + kHorizonTextureOffset; }
  uint8_t* HorizonLightData() { return bytes_.data() + kHorizonLightOffset; }
  const uint8_t* HorizonLightData() const { return bytes_.data() + kHorizonLightOffset; }

  // The whole store in dump order (kTextureStoreSize bytes).
  const uint8_t* Bytes() const { return bytes_.data(); }
  uint8_t* Bytes() { return bytes_.data(); }

  // The single textures, numbered as the GL texture tables are; an invalid image when an index
  // is out of range.
  TextureImage TrackTexture(int venue, int n) const;  // venue 0..10, n 1..11
  TextureImage FloorTexture(int k) const;             // 1..10; floor k belongs to venue k - 1
  TextureImage FeatureTexture(int k) const;           // 1..5
  TextureImage ModelTexture(int k) const;             // 1..48
  TextureImage HorizonTexture(int k) const;           // 1..55 images, 56..110 light masks

  void Swap(TextureStore& other) noexcept { bytes_.swap(other.bytes_); }
  bool operator==(const TextureStore& other) const { return bytes_ == other.bytes_; }
  bool operator!=(const TextureStore& other) const { return !(*this == other); }

 private:
  std::vector<uint8_t> bytes_;
};

}  // namespace kurvex
