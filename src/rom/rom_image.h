#pragma once
// A cartridge image of the game held in memory. OpenRom reads the whole file in one go and
// closes it again, so nothing stays open between operations. Every offset of the public API is
// a Z64 offset and every block comes back in Z64 (big-endian) order; a V64 image, which has the
// two bytes of every 16-bit word exchanged, is converted block by block on the way in and out.
//
//   RomImage rom;
//   if (rom.OpenRom(path) != kRomOk) show FileCheck(code, rom.region_byte());
//   std::vector<uint8_t> block = rom.ReadBlock(0x2AD1E0, 2016);  // empty when out of range

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "course/file_write.h"
#include "course/message.h"

namespace kurvex {

constexpr size_t kRomSize = 0x1000000;  // 16 MiB; any other length is not the game

enum RomResult : int16_t {
  kRomUnknownError = -1,
  kRomOk = 0,
  kRomFileAccessError = 1,
  kRomNotFZeroX = 2,
  kRomBadRegion = 3,
};

// Short text of an OpenRom result.
std::string RomResultText(int code);
// The user message of an OpenRom result: title line, empty line, body lines joined by CR LF;
// empty for kRomOk. region_byte is only used by kRomBadRegion.
Message FileCheck(int code, uint8_t region_byte);

// Exchanges bytes 0 and 1, 2 and 3, ... of the first count bytes; an odd last byte stays.
void SwapBytePairs(uint8_t* data, size_t count);

class RomImage {
 public:
  // Reads and identifies the file. The state (byte order, region) is set as far as the
  // identification got; the bytes are kept for kRomOk and kRomBadRegion only. Only a regular
  // file is opened, and one of the wrong length is not read. *reason, when given, receives
  // "PATH: why" for every result but kRomOk (the system's reason, or what the file lacks).
  int16_t OpenRom(const std::string& path, std::string* reason = nullptr);
  // Identifies an image already in memory, in its file's byte order.
  int16_t Identify(std::vector<uint8_t> file_bytes);

  bool loaded() const { return !bytes_.empty(); }
  bool byte_swapped() const { return byte_swapped_; }              // V64
  char region() const { return static_cast<char>(region_byte_); }  // 'J', 'E' or 'P' when ok
  uint8_t region_byte() const { return region_byte_; }
  const std::string& path() const { return path_; }

  // True when [z64_offset, z64_offset + size) lies inside the image.
  bool Contains(size_t z64_offset, size_t size) const {
    return z64_offset <= bytes_.size() && size <= bytes_.size() - z64_offset;
  }
  // Bytes in Z64 order; false (and out untouched) when the range is not inside the image.
  bool ReadBlock(size_t z64_offset, uint8_t* out, size_t size) const;
  // The same as a vector; empty when the range is not inside the image.
  std::vector<uint8_t> ReadBlock(size_t z64_offset, size_t size) const;
  // Stores Z64-order bytes in the image's own order; false when out of range.
  bool WriteBlock(size_t z64_offset, const uint8_t* data, size_t size);

  // Writes the image in its own byte order through a temporary file renamed into place; a path
  // that is one of the inputs is refused.
  bool SaveRom(const std::string& path, std::string* error = nullptr,
               const InputFiles& inputs = {}) const;

  // The image as the file holds it.
  const std::vector<uint8_t>& file_bytes() const { return bytes_; }

 private:
  void Reset();

  std::vector<uint8_t> bytes_;
  bool byte_swapped_ = false;
  uint8_t region_byte_ = 0;
  std::string path_;
};

}  // namespace kurvex
