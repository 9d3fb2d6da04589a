#include "rom/header_checksum.h"

#include <vector>

#include "course/byte_buffer.h"

namespace kurvex {

namespace {

constexpr uint32_t kSeed = 0x1FEA617A;

uint32_t RotateLeft(uint32_t value, uint32_t bits) {
  bits &= 31;
  return bits == 0 ? value : (value << bits) | (value >> (32 - bits));
}

}  // namespace

HeaderChecksum ChecksumOfWords(const uint8_t* z64_bytes, size_t size) {
  uint32_t t1 = kSeed, t2 = kSeed, t3 = kSeed, t4 = kSeed, t5 = kSeed, t6 = kSeed;
  for (size_t at = 0; at + 4 <= size; at += 4) {
    const uint32_t d = LoadBigEndian32(z64_bytes + at);
    const uint32_t sum = t6 + d;
    if (sum < t6) ++t4;  // the addition wrapped past 2^32
    t6 = sum;
    t3 ^= d;
    const uint32_t r = RotateLeft(d, d);
    t5 += r;
    t2 ^= t2 > d ? r : (t6 ^ d);
    t1 += t5 ^ d;
  }
  return {t6 * t4 + t3, t5 * t2 + t1};
}

HeaderChecksum ComputeHeaderChecksum(const RomImage& rom) {
  const std::vector<uint8_t> words = rom.ReadBlock(kChecksumStart, kChecksumLength);
  if (words.empty()) return {};
  return ChecksumOfWords(words.data(), words.size());
}

HeaderChecksum StoredHeaderChecksum(const RomImage& rom) {
  uint8_t stored[8] = {};
  if (!rom.ReadBlock(kCrc1Offset, stored, sizeof stored)) return {};
  return {LoadBigEndian32(stored), LoadBigEndian32(stored + 4)};
}

bool WriteHeaderChecksum(RomImage& rom, const HeaderChecksum& checksum) {
  uint8_t stored[8];
  StoreBigEndian32(stored, checksum.crc1);
  StoreBigEndian32(stored + 4, checksum.crc2);
  return rom.WriteBlock(kCrc1Offset, stored, sizeof stored);
}

}  // namespace kurvex
