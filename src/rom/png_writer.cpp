#include "rom/png_writer.h"

#include <algorithm>
#include <array>

#include "course/byte_buffer.h"
#include "course/file_io.h"
#include "course/path_text.h"

namespace kurvex {

namespace {

constexpr uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
constexpr size_t kMaxStoredBlock = 65535;
constexpr int kMaxSide = 1 << 16;

std::array<uint32_t, 256> MakeCrcTable() {
  std::array<uint32_t, 256> table{};
  for (uint32_t n = 0; n < 256; ++n) {
    uint32_t c = n;
    for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
    table[n] = c;
  }
  return table;
}

void PutBigEndian32(std::vector<uint8_t>& out, uint32_t value) {
  uint8_t bytes[4];
  StoreBigEndian32(bytes, value);
  out.insert(out.end(), bytes, bytes + 4);
}

void PutChunk(std::vector<uint8_t>& out, const char type[4], const std::vector<uint8_t>& data) {
  PutBigEndian32(out, static_cast<uint32_t>(data.size()));
  const size_t type_at = out.size();
  out.insert(out.end(), type, type + 4);
  out.insert(out.end(), data.begin(), data.end());
  PutBigEndian32(out, Crc32(out.data() + type_at, out.size() - type_at));
}

// The filtered scanlines (filter type 0 before each row) as a zlib stream of stored blocks.
std::vector<uint8_t> ZlibStored(const uint8_t* pixels, size_t row_bytes, int height) {
  std::vector<uint8_t> raw;
  raw.reserve((row_bytes + 1) * height);
  for (int row = 0; row < height; ++row) {
    raw.push_back(0);
    raw.insert(raw.end(), pixels + row * row_bytes, pixels + (row + 1) * row_bytes);
  }
  std::vector<uint8_t> z = {0x78, 0x01};
  size_t done = 0;
  do {
    const size_t size = std::min(kMaxStoredBlock, raw.size() - done);
    const bool last = done + size == raw.size();
    z.push_back(last ? 1 : 0);
    z.push_back(static_cast<uint8_t>(size));
    z.push_back(static_cast<uint8_t>(size >> 8));
    z.push_back(static_cast<uint8_t>(~size));
    z.push_back(static_cast<uint8_t>(~size >> 8));
    z.insert(z.end(), raw.begin() + done, raw.begin() + done + size);
    done += size;
  } while (done < raw.size());
  PutBigEndian32(z, Adler32(raw.data(), raw.size()));
  return z;
}

}  // namespace

uint32_t Crc32(const uint8_t* data, size_t size, uint32_t crc) {
  static const std::array<uint32_t, 256> table = MakeCrcTable();
  crc = ~crc;
  for (size_t i = 0; i < size; ++i) crc = table[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
  return ~crc;
}

uint32_t Adler32(const uint8_t* data, size_t size) {
  constexpr uint32_t kModulus = 65521;
  constexpr size_t kRun = 5552;  // the longest run before the sums could overflow 32 bits
  uint32_t a = 1, b = 0;
  while (size > 0) {
    const size_t run = std::min(size, kRun);
    for (size_t i = 0; i < run; ++i) {
      a += data[i];
      b += a;
    }
    a %= kModulus;
    b %= kModulus;
    data += run;
    size -= run;
  }
  return (b << 16) | a;
}

std::vector<uint8_t> EncodePng(const uint8_t* pixels, int width, int height, int channels) {
  if (!pixels || width < 1 || height < 1 || width > kMaxSide || height > kMaxSide ||
      (channels != 3 && channels != 4)) {
    return {};
  }
  std::vector<uint8_t> header(13);
  StoreBigEndian32(header.data(), static_cast<uint32_t>(width));
  StoreBigEndian32(header.data() + 4, static_cast<uint32_t>(height));
  header[8] = 8;                      // bits per channel
  header[9] = channels == 4 ? 6 : 2;  // colour type: RGBA or RGB
  std::vector<uint8_t> png(kSignature, kSignature + sizeof kSignature);
  PutChunk(png, "IHDR", header);
  PutChunk(png, "IDAT", ZlibStored(pixels, static_cast<size_t>(width) * channels, height));
  PutChunk(png, "IEND", {});
  return png;
}

bool WritePng(const std::string& path, const uint8_t* pixels, int width, int height, int channels,
              std::string* error, const InputFiles& inputs) {
  const std::vector<uint8_t> png = EncodePng(pixels, width, height, channels);
  if (png.empty()) {
    if (error) *error = PathText(path) + ": bad image size";
    return false;
  }
  return WriteFileAtomically(path, png.data(), png.size(), error, inputs);
}

}  // namespace kurvex
