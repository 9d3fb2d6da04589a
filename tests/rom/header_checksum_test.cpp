// The CIC-NUS-6106 header checksum against values computed by outside tools.
#include "rom/header_checksum.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "course/byte_buffer.h"
#include "rom_builder.h"

namespace kurvex {
namespace {

// Zeros, or the xorshift32 stream (x = 1; big-endian words), under the header fields; in Z64 or
// V64 order.
RomImage VectorImage(bool xorshift, bool v64) {
  std::vector<uint8_t> image(kRomSize);
  uint32_t x = 1;
  for (size_t at = 0; xorshift && at < image.size(); at += 4) {
    x ^= x << 13;
    x ^= x >> 17;
    x ^= x << 5;
    StoreBigEndian32(&image[at], x);
  }
  const test::TestRom header('E');
  std::copy_n(header.z64().begin(), 4, image.begin());
  std::copy_n(header.z64().begin() + 0x20, 20, image.begin() + 0x20);
  image[0x3E] = 'E';
  if (v64) SwapBytePairs(image.data(), image.size());
  RomImage rom;
  EXPECT_EQ(rom.Identify(std::move(image)), kRomOk);
  return rom;
}

TEST(HeaderChecksum, KnownValuesInBothByteOrdersAndHowTheyAreStored) {
  for (bool v64 : {false, true}) {
    const HeaderChecksum zeros = ComputeHeaderChecksum(VectorImage(false, v64));
    EXPECT_EQ(zeros.crc1, 0x04100F9Eu);
    EXPECT_EQ(zeros.crc2, 0x89F80F9Eu);
    const HeaderChecksum stream = ComputeHeaderChecksum(VectorImage(true, v64));
    EXPECT_EQ(stream.crc1, 0x73DDBDBAu);
    EXPECT_EQ(stream.crc2, 0x8686D88Au);
  }
  // Stored big-endian, and pair-swapped in a V64 image.
  RomImage rom = VectorImage(false, true);
  ASSERT_TRUE(WriteHeaderChecksum(rom, ComputeHeaderChecksum(rom)));
  const std::vector<uint8_t> stored(rom.file_bytes().begin() + 0x10,
                                    rom.file_bytes().begin() + 0x18);
  EXPECT_EQ(stored, std::vector<uint8_t>({0x10, 0x04, 0x9E, 0x0F, 0xF8, 0x89, 0x9E, 0x0F}));
  EXPECT_EQ(StoredHeaderChecksum(rom), ComputeHeaderChecksum(rom));
}

}  // namespace
}  // namespace kurvex
