#include "rom/rom_image.h"

#include <cstdio>
#include <cstring>
#include <utility>

#include "course/file_read.h"
#include "course/file_write.h"
#include "course/message.h"
#include "course/path_text.h"

namespace kurvex {

namespace {

constexpr size_t kNameOffset = 0x20;
constexpr size_t kNameSize = 20;
constexpr size_t kRegionOffset = 0x3E;
const char kZ64Name[] = "F-ZERO X            ";
const char kV64Name[] = "-FEZORX             ";

bool IsKnownRegion(uint8_t letter) { return letter == 'J' || letter == 'E' || letter == 'P'; }

std::string RegionText(uint8_t letter) {
  char text[48];
  std::snprintf(text, sizeof text, "unsupported region code 0x%X", letter);
  return text;
}

}  // namespace

std::string RomResultText(int code) {
  switch (code) {
    case kRomUnknownError:
      return "Unknown error";
    case kRomOk:
      return "Successful";
    case kRomFileAccessError:
      return "File access error";
    case kRomNotFZeroX:
      return "Not F-Zero X";
    case kRomBadRegion:
      return "Bad ROM region code";
    default:
      return "(Invalid error number)";
  }
}

Message FileCheck(int code, uint8_t region_byte) {
  switch (code) {
    case kRomUnknownError:
      return MakeMessage("Error: (Unknown)", {"An unknown error occurred while trying to open",
                                              "the ROM file. Please check your computer system",
                                              "for problems and try again."});
    case kRomFileAccessError:
      return MakeMessage("Error: File access error",
                         {"A file I/O error occurred while trying to open",
                          "the ROM file. Make sure the file is available",
                          "and not being used by other programs."});
    case kRomNotFZeroX:
      return MakeMessage("Error: Incorrect game signature",
                         {"The file specified was not identified as a valid",
                          "F-Zero X ROM in Z64 or V64 format. Please select a", "different file."});
    case kRomBadRegion: {
      char hex[8];
      std::snprintf(hex, sizeof hex, "%X", region_byte);
      return MakeMessage("Error: Bad region code",
                         {"The ROM file specified was identified as F-Zero X,",
                          std::string("but contained an unsupported region code (0x") + hex + ").",
                          "Please select a different file."});
    }
    default:
      return {};
  }
}

void SwapBytePairs(uint8_t* data, size_t count) {
  for (size_t i = 0; i + 1 < count; i += 2) std::swap(data[i], data[i + 1]);
}

void RomImage::Reset() {
  bytes_.clear();
  bytes_.shrink_to_fit();
  byte_swapped_ = false;
  region_byte_ = 0;
}

int16_t RomImage::OpenRom(const std::string& path, std::string* reason) {
  Reset();
  path_ = path;
  auto refuse = [&](int16_t code, const std::string& why) {
    if (reason) *reason = PathText(path) + ": " + why;
    return code;
  };
  RegularFile file;
  if (file.Open(path, reason) != FileReadResult::kOk) return kRomFileAccessError;
  if (file.size() != kRomSize) {
    return refuse(kRomNotFZeroX, SizeText(file.size()) + ", not the 16 MiB of the game's image");
  }
  std::vector<uint8_t> bytes;
  if (file.ReadAll(kRomSize, bytes, reason) != FileReadResult::kOk) return kRomFileAccessError;
  const int16_t code = Identify(std::move(bytes));
  if (code == kRomNotFZeroX) return refuse(code, "not the game's image (no F-ZERO X name)");
  if (code == kRomBadRegion) return refuse(code, RegionText(region_byte_));
  return code;
}

int16_t RomImage::Identify(std::vector<uint8_t> file_bytes) {
  Reset();
  if (file_bytes.size() != kRomSize) return kRomNotFZeroX;
  const uint8_t* name = file_bytes.data() + kNameOffset;
  if (std::memcmp(name, kZ64Name, kNameSize) == 0) {
    byte_swapped_ = false;
    region_byte_ = file_bytes[kRegionOffset];
  } else if (std::memcmp(name, kV64Name, kNameSize) == 0) {
    byte_swapped_ = true;
    region_byte_ = file_bytes[kRegionOffset + 1];
  } else {
    return kRomNotFZeroX;
  }
  bytes_ = std::move(file_bytes);
  return IsKnownRegion(region_byte_) ? kRomOk : kRomBadRegion;
}

// In a V64 image the Z64 byte at offset i sits at i ^ 1; the image length is even, so this
// never leaves the image for any range Contains accepts.
bool RomImage::ReadBlock(size_t z64_offset, uint8_t* out, size_t size) const {
  if (!Contains(z64_offset, size)) return false;
  const uint8_t* from = bytes_.data();
  if (!byte_swapped_) {
    std::memcpy(out, from + z64_offset, size);
  } else if (z64_offset % 2 == 0 && size % 2 == 0) {
    std::memcpy(out, from + z64_offset, size);
    SwapBytePairs(out, size);
  } else {
    for (size_t i = 0; i < size; ++i) out[i] = from[(z64_offset + i) ^ 1];
  }
  return true;
}

std::vector<uint8_t> RomImage::ReadBlock(size_t z64_offset, size_t size) const {
  if (!Contains(z64_offset, size)) return {};
  std::vector<uint8_t> block(size);
  ReadBlock(z64_offset, block.data(), size);
  return block;
}

bool RomImage::WriteBlock(size_t z64_offset, const uint8_t* data, size_t size) {
  if (!Contains(z64_offset, size)) return false;
  uint8_t* to = bytes_.data();
  if (!byte_swapped_) {
    std::memcpy(to + z64_offset, data, size);
  } else {
    for (size_t i = 0; i < size; ++i) to[(z64_offset + i) ^ 1] = data[i];
  }
  return true;
}

bool RomImage::SaveRom(const std::string& path, std::string* error,
                       const InputFiles& inputs) const {
  if (!loaded()) {
    if (error) *error = PathText(path) + ": no ROM image loaded";
    return false;
  }
  return WriteFileAtomically(path, bytes_.data(), bytes_.size(), error, inputs);
}

}  // namespace kurvex
