#include "rom/rom_image.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <utility>

#include "course/file_io.h"
#include "course/message.h"

namespace kurvex {

namespace {

constexpr size_t kNameOffset = 0x20;
constexpr size_t kNameSize = 20;
constexpr size_t kRegionOffset = 0x3E;
const char kZ64Name[] = "F-ZERO X            ";
const char kV64Name[] = "-FEZORX             ";

bool IsKnownRegion(uint8_t letter) { return letter == 'J' || letter == 'E' || letter == 'P'; }

// Closes the descriptor on every way out of OpenRom.
class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  int get() const { return fd_; }

 private:
  int fd_;
};

bool ReadExactly(int fd, uint8_t* data, size_t size) {
  while (size > 0) {
    const ssize_t got = ::read(fd, data, size);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) return false;
    data += got;
    size -= static_cast<size_t>(got);
  }
  return true;
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

int16_t RomImage::OpenRom(const std::string& path) {
  Reset();
  path_ = path;
  const FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (file.get() < 0) return kRomFileAccessError;
  struct stat st;
  // Directories and devices cannot be images; reading a device could also never end.
  if (::fstat(file.get(), &st) != 0 || !S_ISREG(st.st_mode)) return kRomFileAccessError;
  if (static_cast<uint64_t>(st.st_size) != kRomSize) return kRomNotFZeroX;
  std::vector<uint8_t> bytes(kRomSize);
  if (!ReadExactly(file.get(), bytes.data(), bytes.size())) return kRomUnknownError;
  return Identify(std::move(bytes));
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

bool RomImage::SaveRom(const std::string& path, std::string* error) const {
  if (!loaded()) {
    if (error) *error = path + ": no ROM image loaded";
    return false;
  }
  return WriteFileAtomically(path, bytes_.data(), bytes_.size(), error);
}

}  // namespace kurvex
