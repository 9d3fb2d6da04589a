// The PNG encoder: the exact bytes of a small image (checksums from an outside implementation),
// a large one walked block by block, and the export of a whole store into a folder.
#include "rom/png_writer.h"

#include <gtest/gtest.h>

#include "rom/texture_export.h"
#include "rom_builder.h"
#include "scratch_dir.h"

namespace kurvex {
namespace {

uint32_t Be32(const uint8_t* p) {
  return (uint32_t{p[0]} << 24) | (uint32_t{p[1]} << 16) | (uint32_t{p[2]} << 8) | p[3];
}

TEST(PngChecksums, KnownValues) {
  const std::string digits = "123456789";
  EXPECT_EQ(Crc32(reinterpret_cast<const uint8_t*>(digits.data()), digits.size()), 0xCBF43926u);
  const std::string wiki = "Wikipedia";
  EXPECT_EQ(Adler32(reinterpret_cast<const uint8_t*>(wiki.data()), wiki.size()), 0x11E60398u);
  const std::vector<uint8_t> ones(100000, 0xFF);  // long enough for the sums to need reducing
  EXPECT_EQ(Adler32(ones.data(), ones.size()), 0x149A302Cu);
}

TEST(EncodePng, TheBytesOfATwoPixelRgbImage) {
  const uint8_t pixels[] = {1, 2, 3, 4, 5, 6};
  // Signature; IHDR: 2 x 1, 8 bits, RGB; IDAT: zlib header, one final stored block of 7 bytes
  // (filter 0, the pixels), Adler-32; IEND.
  const std::vector<uint8_t> expected = {
      0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A, 0x00, 0x00, 0x00, 0x0D, 0x49, 0x48, 0x44,
      0x52, 0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00, 0x01, 0x08, 0x02, 0x00, 0x00, 0x00, 0x7B,
      0x40, 0xE8, 0xDD, 0x00, 0x00, 0x00, 0x12, 0x49, 0x44, 0x41, 0x54, 0x78, 0x01, 0x01, 0x07,
      0x00, 0xF8, 0xFF, 0x00, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x00, 0x3F, 0x00, 0x16, 0x68,
      0x41, 0x5F, 0x8D, 0x00, 0x00, 0x00, 0x00, 0x49, 0x45, 0x4E, 0x44, 0xAE, 0x42, 0x60, 0x82};
  EXPECT_EQ(EncodePng(pixels, 2, 1, 3), expected);
  EXPECT_TRUE(EncodePng(nullptr, 1, 1, 3).empty());
  EXPECT_TRUE(EncodePng(pixels, 1, 1, 2).empty());
  EXPECT_TRUE(EncodePng(pixels, 0, 1, 3).empty());
}

// 200 x 100 RGBA is 80,100 bytes of scanlines: more than one stored block.
TEST(EncodePng, ALargeRgbaImageInStoredBlocks) {
  const size_t row = 800;
  std::vector<uint8_t> pixels(row * 100), scanlines;
  for (size_t i = 0; i < pixels.size(); ++i) pixels[i] = static_cast<uint8_t>(i * 31 + i / 7);
  for (size_t y = 0; y < 100; ++y) {
    scanlines.push_back(0);  // filter type
    scanlines.insert(scanlines.end(), &pixels[y * row], &pixels[y * row] + row);
  }
  const std::vector<uint8_t> png = EncodePng(pixels.data(), 200, 100, 4);
  ASSERT_GT(png.size(), 57u);
  EXPECT_EQ(Be32(&png[16]), 200u);
  EXPECT_EQ(Be32(&png[20]), 100u);
  EXPECT_EQ(png[25], 6);  // colour type RGBA
  const uint32_t idat = Be32(&png[33]);
  ASSERT_EQ(png.size(), 33 + 12 + idat + 12);
  EXPECT_EQ(Crc32(&png[37], idat + 4), Be32(&png[41 + idat]));
  std::vector<uint8_t> stored;
  size_t at = 43;  // after the zlib header
  for (bool last = false; !last && at + 5 <= 41 + idat;) {
    last = png[at] & 1;
    const size_t length = png[at + 1] | png[at + 2] << 8;
    EXPECT_EQ(length ^ 0xFFFF, size_t(png[at + 3] | png[at + 4] << 8));
    ASSERT_LE(at + 5 + length, 41 + idat);
    stored.insert(stored.end(), &png[at + 5], &png[at + 5] + length);
    at += 5 + length;
  }
  EXPECT_EQ(stored, scanlines);
  ASSERT_EQ(at + 4, 41 + idat);
  EXPECT_EQ(Be32(&png[at]), Adler32(scanlines.data(), scanlines.size()));
}

// The full export is run by the kurvex-cli tests; each file costs a flush to disk.
TEST(ExportTexturePngs, StopsAtTheFirstFileThatCannotBeWritten) {
  const test::ScratchDir dir;
  std::string error;
  EXPECT_FALSE(ExportTexturePngs(TextureStore(), dir.Path("missing"), &error));
  EXPECT_NE(error.find("missing/track-venue00-01.png"), std::string::npos) << error;
  EXPECT_TRUE(dir.Files().empty());
}

}  // namespace
}  // namespace kurvex
