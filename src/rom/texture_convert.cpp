#include "rom/texture_convert.h"

#include <array>
#include <cstring>

namespace kurvex {

namespace {

// v × 255 / 31 is never exactly half-way between two whole numbers (31 shares no factor with
// 2 × 255), so adding half the divisor before dividing rounds to the nearest one.
constexpr uint8_t Expand5(uint32_t v) { return static_cast<uint8_t>((v * 255 + 15) / 31); }

constexpr std::array<uint8_t, 32> MakeExpandTable() {
  std::array<uint8_t, 32> table{};
  for (uint32_t v = 0; v < 32; ++v) table[v] = Expand5(v);
  return table;
}

constexpr std::array<uint8_t, 32> kExpand5 = MakeExpandTable();

inline void PixelToRgb(uint32_t p, uint8_t* rgb) {
  rgb[0] = kExpand5[(p >> 11) & 0x1F];
  rgb[1] = kExpand5[(p >> 6) & 0x1F];
  rgb[2] = kExpand5[(p >> 1) & 0x1F];
}

constexpr uint32_t kLightColour = 0xFFFF;

void DecodeHorizonImage(const uint8_t* source, uint8_t* image, uint8_t* light) {
  uint8_t palette[16][4];
  int light_index = -1;
  for (int i = 0; i < 16; ++i) {
    const uint8_t* entry = source + kHorizonPaletteOffset + 2 * i;
    const uint32_t p = (uint32_t{entry[0]} << 8) | entry[1];
    PixelToRgb(p, palette[i]);
    palette[i][3] = (p & 1) ? 255 : 0;
    if (p == kLightColour) light_index = i;
  }
  static constexpr uint8_t kLit[4] = {255, 255, 255, 255};
  static constexpr uint8_t kDark[4] = {255, 255, 255, 0};
  // Rows of 32 bytes make 64 pixels each, so the pixels follow the bytes in order.
  for (size_t i = 0; i < kHorizonPaletteOffset; ++i) {
    const int indices[2] = {source[i] >> 4, source[i] & 0x0F};
    for (int half = 0; half < 2; ++half) {
      const size_t at = (2 * i + half) * 4;
      std::memcpy(image + at, palette[indices[half]], 4);
      std::memcpy(light + at, indices[half] == light_index ? kLit : kDark, 4);
    }
  }
}

}  // namespace

uint8_t ExpandChannel5(uint32_t value) { return kExpand5[value & 0x1F]; }

size_t ConvertRgba16(const uint8_t* source, size_t length, uint8_t* rgb) {
  const size_t pixels = length / 2;
  for (size_t i = 0; i < pixels; ++i) {
    PixelToRgb((uint32_t{source[2 * i]} << 8) | source[2 * i + 1], rgb + 3 * i);
  }
  return 3 * pixels;
}

std::vector<uint8_t> ConvertRgba16(const uint8_t* source, size_t length) {
  std::vector<uint8_t> rgb(3 * (length / 2));
  ConvertRgba16(source, length, rgb.data());
  return rgb;
}

bool DecodeHorizons(const uint8_t* block, size_t size, TextureStore& store) {
  if (size < kHorizonBlockSize) return false;
  for (int k = 0; k < kHorizonCount; ++k) {
    DecodeHorizonImage(block + k * kHorizonSourceStride,
                       store.HorizonTextureData() + k * kHorizonImageStride,
                       store.HorizonLightData() + k * kHorizonImageStride);
  }
  return true;
}

void BuildMirroredModelTextures(TextureStore& store) {
  constexpr size_t kRowBytes = 64 * 3;
  constexpr int kHalfRows = 16;
  constexpr size_t kSourceStart = 12 + 24576;
  constexpr size_t kSourceStride = kHalfRows * kRowBytes;
  const uint8_t* models = store.ModelTextureData();
  uint8_t* mirrored = store.MirroredModelTextureData();
  for (int b = 0; b < kMirroredModelTextureCount; ++b) {
    const uint8_t* source = models + kSourceStart + b * kSourceStride;
    uint8_t* target = mirrored + b * kMirroredTextureStride;
    std::memcpy(target, source, kSourceStride);
    for (int row = 0; row < kHalfRows; ++row) {
      std::memcpy(target + (kHalfRows + row) * kRowBytes,
                  source + (kHalfRows - 1 - row) * kRowBytes, kRowBytes);
    }
  }
}

}  // namespace kurvex
