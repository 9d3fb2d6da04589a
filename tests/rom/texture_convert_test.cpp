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

TEST(ConvertRgba16, KnownPixelsAndChannelPlaces) {
  EXPECT_EQ(Rgb({0xFFFF}), (std::vector<uint8_t>{255, 255, 255}));
  EXPECT_EQ(Rgb({0x0842}), (std::vector<uint8_t>{8, 8, 8}));
  EXPECT_EQ(Rgb({0xF800, 0x07C0, 0x003E, 0x0001}),
            (std::vector<uint8_t>{255, 0, 0, 0, 255, 0, 0, 0, 255, 0, 0, 0}));
  EXPECT_EQ(Rgb({0xFFFE}), Rgb({0xFFFF}));  // the alpha bit is dropped
}

TEST(ConvertRgba16, EveryChannelValueRoundsToTheNearestWholeNumber) {
  for (uint32_t v = 0; v < 32; ++v) {
    const double exact = v * 255.0 / 31.0;
    EXPECT_EQ(ExpandChannel5(v), static_cast<int>(std::nearbyint(exact))) << v;
    EXPECT_LE(std::fabs(ExpandChannel5(v) - exact), 0.5) << v;
  }
}

TEST(ConvertRgba16, OutputIsOneAndAHalfTimesTheInputAndAnOddByteIsIgnored) {
  const std::vector<uint8_t> source = {0xFF, 0xFF, 0x08, 0x42, 0xAA};
  std::vector<uint8_t> out(9, 0x11);
  EXPECT_EQ(ConvertRgba16(source.data(), source.size(), out.data()), 6u);
  EXPECT_EQ(out, (std::vector<uint8_t>{255, 255, 255, 8, 8, 8, 0x11, 0x11, 0x11}));
}

class HorizonTest : public ::testing::Test {
 protected:
  HorizonTest() : block_(kHorizonBlockSize, 0) {}

  void SetPalette(int image, int index, uint16_t value) {
    uint8_t* entry = block_.data() + image * kHorizonSourceStride + kHorizonPaletteOffset;
    entry[2 * index] = static_cast<uint8_t>(value >> 8);
    entry[2 * index + 1] = static_cast<uint8_t>(value);
  }
  void SetIndexByte(int image, int row, int column_byte, uint8_t value) {
    block_[image * kHorizonSourceStride + row * 32 + column_byte] = value;
  }
  std::vector<uint8_t> Pixel(const uint8_t* data, int image, int row, int x) const {
    const uint8_t* at = data + image * kHorizonImageStride + row * 256 + x * 4;
    return {at[0], at[1], at[2], at[3]};
  }
  void Decode() { ASSERT_TRUE(DecodeHorizons(block_.data(), block_.size(), store_)); }

  std::vector<uint8_t> block_;
  TextureStore store_;
};

TEST_F(HorizonTest, PaletteColoursAlphaAndNibbleOrder) {
  SetPalette(3, 1, 0xF801);     // red, opaque
  SetPalette(3, 2, 0x003E);     // blue, transparent
  SetIndexByte(3, 5, 7, 0x12);  // pixel 14 of row 5 uses 1, pixel 15 uses 2
  Decode();
  const uint8_t* image = store_.HorizonTextureData();
  EXPECT_EQ(Pixel(image, 3, 5, 14), (std::vector<uint8_t>{255, 0, 0, 255}));
  EXPECT_EQ(Pixel(image, 3, 5, 15), (std::vector<uint8_t>{0, 0, 255, 0}));
  EXPECT_EQ(Pixel(image, 3, 5, 16), (std::vector<uint8_t>{0, 0, 0, 0}));
  EXPECT_EQ(Pixel(image, 2, 5, 14), (std::vector<uint8_t>{0, 0, 0, 0}));  // other image
}

TEST_F(HorizonTest, NoLightColourGivesAFullyTransparentMask) {
  for (int i = 0; i < 16; ++i) SetPalette(0, i, static_cast<uint16_t>(0xFFFE - 2 * i));
  for (int i = 0; i < 2048; ++i) block_[i] = static_cast<uint8_t>(i * 37);
  Decode();
  for (int row = 0; row < 64; ++row) {
    for (int x = 0; x < 64; ++x) {
      ASSERT_EQ(Pixel(store_.HorizonLightData(), 0, row, x),
                (std::vector<uint8_t>{255, 255, 255, 0}));
    }
  }
}

TEST_F(HorizonTest, TheLastWhiteEntryIsTheLightColour) {
  SetPalette(54, 4, 0xFFFF);
  SetPalette(54, 9, 0xFFFF);
  SetIndexByte(54, 63, 31, 0x49);  // the last two pixels of the last image
  Decode();
  EXPECT_EQ(Pixel(store_.HorizonLightData(), 54, 63, 62), (std::vector<uint8_t>{255, 255, 255, 0}));
  EXPECT_EQ(Pixel(store_.HorizonLightData(), 54, 63, 63),
            (std::vector<uint8_t>{255, 255, 255, 255}));
  EXPECT_EQ(Pixel(store_.HorizonTextureData(), 54, 63, 62),
            (std::vector<uint8_t>{255, 255, 255, 255}));
}

TEST_F(HorizonTest, AShortBlockLeavesTheStoreAlone) {
  block_.assign(kHorizonBlockSize - 1, 0xFF);
  const TextureStore before = store_;
  EXPECT_FALSE(DecodeHorizons(block_.data(), block_.size(), store_));
  EXPECT_EQ(store_, before);
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
