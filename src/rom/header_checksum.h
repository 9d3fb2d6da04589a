#pragma once
// The cartridge header checksum of the game's boot chip (CIC-NUS-6106): two big-endian 32-bit
// words at 0x10 (CRC1) and 0x14 (CRC2) of the Z64 image, computed over the 1 MiB from 0x1000.
// Consoles and emulators refuse an image whose stored words differ from the computed ones.

#include <cstddef>
#include <cstdint>

#include "rom/rom_image.h"

namespace kurvex {

struct HeaderChecksum {
  uint32_t crc1 = 0;
  uint32_t crc2 = 0;
  bool operator==(const HeaderChecksum& other) const {
    return crc1 == other.crc1 && crc2 == other.crc2;
  }
  bool operator!=(const HeaderChecksum& other) const { return !(*this == other); }
};

constexpr size_t kChecksumStart = 0x1000;
constexpr size_t kChecksumLength = 0x100000;
constexpr size_t kCrc1Offset = 0x10;

// The checksum of big-endian words (size a multiple of 4; a shorter tail is ignored).
HeaderChecksum ChecksumOfWords(const uint8_t* z64_bytes, size_t size);

// The values of the image in Z64 order, whatever the file's byte order; zeros when no image is
// loaded.
HeaderChecksum ComputeHeaderChecksum(const RomImage& rom);
HeaderChecksum StoredHeaderChecksum(const RomImage& rom);
// Stores the values at 0x10 and 0x14 (pair-swapped in a V64 image, like every block).
bool WriteHeaderChecksum(RomImage& rom, const HeaderChecksum& checksum);

}  // namespace kurvex
