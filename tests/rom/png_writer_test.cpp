// The PNG encoder, read back by a small independent reader of the chunk structure and of stored
// deflate blocks; and the export of a whole store into a folder.
#include "rom/png_writer.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>

#include "rom/texture_export.h"

namespace kurvex {
namespace {

namespace fs = std::filesystem;

uint32_t Be32(const uint8_t* p) {
  return (uint32_t{p[0]} << 24) | (uint32_t{p[1]} << 16) | (uint32_t{p[2]} << 8) | p[3];
}

struct DecodedPng {
  uint32_t width = 0;
  uint32_t height = 0;
  int colour_type = -1;
  std::vector<uint8_t> scanlines;  // with their filter bytes
  std::vector<std::string> chunks;
};

// Reads what EncodePng writes; any structural fault fails the calling test.
DecodedPng ReadPng(const std::vector<uint8_t>& png) {
  DecodedPng out;
  const uint8_t signature[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
  EXPECT_TRUE(png.size() > 8 && std::equal(signature, signature + 8, png.begin()));
  std::vector<uint8_t> zlib;
  for (size_t at = 8; at + 12 <= png.size();) {
    const uint32_t length = Be32(&png[at]);
    const std::string type(png.begin() + at + 4, png.begin() + at + 8);
    EXPECT_LE(at + 12 + length, png.size());
    EXPECT_EQ(Crc32(&png[at + 4], length + 4), Be32(&png[at + 8 + length])) << type;
    const uint8_t* data = &png[at + 8];
    if (type == "IHDR") {
      out.width = Be32(data);
      out.height = Be32(data + 4);
      EXPECT_EQ(data[8], 8);
      out.colour_type = data[9];
    }
    if (type == "IDAT") zlib.insert(zlib.end(), data, data + length);
    out.chunks.push_back(type);
    at += 12 + length;
  }
  EXPECT_GE(zlib.size(), 6u);
  EXPECT_EQ((zlib[0] * 256 + zlib[1]) % 31, 0);  // zlib header check
  size_t at = 2;
  bool last = false;
  while (!last && at + 5 <= zlib.size()) {
    last = zlib[at] & 1;
    EXPECT_EQ(zlib[at] & 6, 0);  // stored block
    const size_t length = zlib[at + 1] | (zlib[at + 2] << 8);
    EXPECT_EQ(length ^ 0xFFFF, size_t(zlib[at + 3] | (zlib[at + 4] << 8)));
    out.scanlines.insert(out.scanlines.end(), zlib.begin() + at + 5,
                         zlib.begin() + at + 5 + length);
    at += 5 + length;
  }
  EXPECT_TRUE(last);
  EXPECT_EQ(at + 4, zlib.size());
  EXPECT_EQ(Adler32(out.scanlines.data(), out.scanlines.size()), Be32(&zlib[at]));
  return out;
}

TEST(PngChecksums, KnownValues) {
  const std::string digits = "123456789";
  EXPECT_EQ(Crc32(reinterpret_cast<const uint8_t*>(digits.data()), digits.size()), 0xCBF43926u);
  const std::string wiki = "Wikipedia";
  EXPECT_EQ(Adler32(reinterpret_cast<const uint8_t*>(wiki.data()), wiki.size()), 0x11E60398u);
  const std::vector<uint8_t> ones(100000, 0xFF);  // long enough for the sums to need reducing
  EXPECT_EQ(Adler32(ones.data(), ones.size()), 0x149A302Cu);
}

TEST(EncodePng, RgbAndRgbaImagesReadBackRowByRow) {
  for (int channels : {3, 4}) {
    // 200 x 100 RGBA is 80,100 bytes of scanlines: more than one stored block.
    const int width = 200, height = 100;
    std::vector<uint8_t> pixels(static_cast<size_t>(width) * height * channels);
    for (size_t i = 0; i < pixels.size(); ++i) pixels[i] = static_cast<uint8_t>(i * 31 + i / 7);
    const DecodedPng png = ReadPng(EncodePng(pixels.data(), width, height, channels));
    EXPECT_EQ(png.width, 200u);
    EXPECT_EQ(png.height, 100u);
    EXPECT_EQ(png.colour_type, channels == 4 ? 6 : 2);
    EXPECT_EQ(png.chunks, (std::vector<std::string>{"IHDR", "IDAT", "IEND"}));
    const size_t row = width * channels;
    ASSERT_EQ(png.scanlines.size(), (row + 1) * height);
    for (int y = 0; y < height; ++y) {
      EXPECT_EQ(png.scanlines[y * (row + 1)], 0);
      EXPECT_TRUE(std::equal(pixels.begin() + y * row, pixels.begin() + (y + 1) * row,
                             png.scanlines.begin() + y * (row + 1) + 1));
    }
  }
  EXPECT_TRUE(EncodePng(nullptr, 1, 1, 3).empty());
  const uint8_t pixel[4] = {};
  EXPECT_TRUE(EncodePng(pixel, 1, 1, 2).empty());
  EXPECT_TRUE(EncodePng(pixel, 0, 1, 3).empty());
}

// The full export is run by the kurvex-cli tests; each file costs a flush to disk.
TEST(ExportTexturePngs, StopsAtTheFirstFileThatCannotBeWritten) {
  std::string pattern = (fs::temp_directory_path() / "kurvex-png-XXXXXX").string();
  ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
  const fs::path dir = pattern;
  std::string error;
  EXPECT_FALSE(ExportTexturePngs(TextureStore(), (dir / "missing").string(), &error));
  EXPECT_NE(error.find("missing/track-venue00-01.png"), std::string::npos) << error;
  EXPECT_TRUE(fs::is_empty(dir));
  fs::remove_all(dir);
}

}  // namespace
}  // namespace kurvex
