// The pixel conversions: 16-bit colour, horizon images with their light masks, and the mirrored
// model textures.
#include "rom/texture_convert.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kurvex {
namespace {

std::vector<uint8_t> Rgb(std::initializer_list<uint16_t> pixels) {
  std::vector<uint8_t> bytes;
  for (uint16_t p : pixels) {
    bytes.push_back(static_cast<uint8_t>(p >> 8));
    bytes.push_back(static_cast<uint8_t>(p));
  }
  return ConvertRgba16(bytes.data(), bytes.size());
}

TEST(ConvertRgba16, ChannelPlacesAndEveryValueRoundedToTheNearestWholeNumber) {
  EXPECT_EQ(Rgb({0xF800, 0x07C0, 0x003E, 0x0001}),
            (std::vector<uint8_t>{255, 0, 0, 0, 255, 0, 0, 0, 255, 0, 0, 0}));
  for (uint16_t v = 0; v < 32; ++v) {
    const uint8_t near = static_cast<uint8_t>(std::nearbyint(v * 255.0 / 31.0));
    EXPECT_EQ(Rgb({static_cast<uint16_t>(v << 11 | v << 6 | v << 1 | 1)}),
              (std::vector<uint8_t>{near, near, near}))
        << v;  // the alpha bit is dropped
    EXPECT_EQ(ExpandChannel5(v), near) << v;
  }
  // 3 bytes out for every 2 in, and an odd last byte is no pixel.
  const std::vector<uint8_t> source = {0xFF, 0xFF, 0x08, 0x42, 0xAA};
  std::vector<uint8_t> out(9, 0x11);
  EXPECT_EQ(ConvertRgba16(source.data(), source.size(), out.data()), 6u);
  EXPECT_EQ(out, (std::vector<uint8_t>{255, 255, 255, 8, 8, 8, 0x11, 0x11, 0x11}));
}

// Image 0 has no light colour, image 3 a plain palette, image 54 (the last) two white entries.
TEST(DecodeHorizons, PaletteColoursAlphaNibbleOrderAndLightMasks) {
  std::vector<uint8_t> block(kHorizonBlockSize, 0);
  auto set_palette = [&block](int image, int index, uint16_t value) {
    uint8_t* entry = &block[image * kHorizonSourceStride + kHorizonPaletteOffset + 2 * index];
    entry[0] = static_cast<uint8_t>(value >> 8);
    entry[1] = static_cast<uint8_t>(value);
  };
  for (int i = 0; i < 16; ++i) set_palette(0, i, static_cast<uint16_t>(0xFFFE - 2 * i));
  for (int i = 0; i < 2048; ++i) block[i] = static_cast<uint8_t>(i * 37);
  set_palette(3, 1, 0xF801);                            // red, opaque
  set_palette(3, 2, 0x003E);                            // blue, transparent
  block[3 * kHorizonSourceStride + 5 * 32 + 7] = 0x12;  // pixel 14 of row 5 uses 1, 15 uses 2
  set_palette(54, 4, 0xFFFF);
  set_palette(54, 9, 0xFFFF);
  block[54 * kHorizonSourceStride + 63 * 32 + 31] = 0x49;  // the last two pixels of image 54
  TextureStore store;
  ASSERT_TRUE(DecodeHorizons(block.data(), block.size(), store));
  auto pixel = [](const uint8_t* data, int image, int row, int x) {
    const uint8_t* at = data + image * kHorizonImageStride + row * 256 + x * 4;
    return std::vector<uint8_t>(at, at + 4);
  };
  const uint8_t* image = store.HorizonTextureData();
  const uint8_t* light = store.HorizonLightData();
  EXPECT_EQ(pixel(image, 3, 5, 14), (std::vector<uint8_t>{255, 0, 0, 255}));
  EXPECT_EQ(pixel(image, 3, 5, 15), (std::vector<uint8_t>{0, 0, 255, 0}));
  EXPECT_EQ(pixel(image, 3, 5, 16), (std::vector<uint8_t>{0, 0, 0, 0}));
  EXPECT_EQ(pixel(image, 2, 5, 14), (std::vector<uint8_t>{0, 0, 0, 0}));  // other image
  for (int at = 0; at < 64 * 64; ++at) {
    ASSERT_EQ(pixel(light, 0, at / 64, at % 64), (std::vector<uint8_t>{255, 255, 255, 0})) << at;
  }
  EXPECT_EQ(pixel(light, 54, 63, 62), (std::vector<uint8_t>{255, 255, 255, 0}));
  EXPECT_EQ(pixel(light, 54, 63, 63), (std::vector<uint8_t>{255, 255, 255, 255}));
  EXPECT_EQ(pixel(image, 54, 63, 62), (std::vector<uint8_t>{255, 255, 255, 255}));
  // A short block leaves the store alone.
  const TextureStore before = store;
  block.assign(kHorizonBlockSize - 1, 0xFF);
  EXPECT_FALSE(DecodeHorizons(block.data(), block.size(), store));
  EXPECT_EQ(store, before);
}

TEST(MirroredModelTextures, HalfRowsFollowedByTheirReverse) {
  TextureStore store;
  uint8_t* models = store.ModelTextureData();
  // Mark every byte of the source region with its texture, row and column.
  for (int b = 0; b < 8; ++b) {
    for (int row = 0; row < 16; ++row) {
      for (int i = 0; i < 192; ++i) {
        models[12 + 24576 + b * 3072 + row * 192 + i] = static_cast<uint8_t>(b * 16 + row + i);
      }
    }
  }
  BuildMirroredModelTextures(store);
  for (int b = 0; b < 8; ++b) {
    const TextureImage image = store.ModelTexture(5 + b);
    ASSERT_EQ(image.width, 64);
    ASSERT_EQ(image.height, 32);
    for (int row = 0; row < 32; ++row) {
      const int source_row = row < 16 ? row : 31 - row;
      for (int i = 0; i < 192; ++i) {
        ASSERT_EQ(image.pixels[row * 192 + i], static_cast<uint8_t>(b * 16 + source_row + i))
            << b << " " << row << " " << i;
      }
    }
  }
}

}  // namespace
}  // namespace kurvex
