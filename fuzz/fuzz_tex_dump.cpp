// Any bytes as part of a texture dump. The input is placed into a dump of the full length, at an
// offset its first bytes choose, with the length and the markers kept or broken as its control
// byte says, so that the accepted case is reached and every texture of the loaded store is
// decoded into its image and one encoded as a PNG. A refused dump must leave the store as it
// was. One input in 64 goes through the file reader too.
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "rom/png_writer.h"
#include "rom/texture_dump.h"
#include "rom/texture_export.h"

namespace {

using kurvex::kTexDumpSize;
using kurvex::kTextureStoreSize;

constexpr size_t kEdge = 64;  // bytes of the store compared before and after a refused load

void Require(bool condition) {
  if (!condition) abort();
}

// The store and the dump are large; one of each is kept for the whole run.
kurvex::TextureStore& Store() {
  static kurvex::TextureStore store;
  return store;
}

std::vector<uint8_t>& Dump() {
  static std::vector<uint8_t> dump = [] {
    std::vector<uint8_t> bytes(kTexDumpSize, 0);
    std::memcpy(bytes.data(), "KURV", 4);
    std::memcpy(bytes.data() + kTexDumpSize - 4, "KURV", 4);
    return bytes;
  }();
  return dump;
}

struct Edges {
  uint8_t head[kEdge];
  uint8_t tail[kEdge];
  explicit Edges(const kurvex::TextureStore& store) {
    std::memcpy(head, store.Bytes(), kEdge);
    std::memcpy(tail, store.Bytes() + kTextureStoreSize - kEdge, kEdge);
  }
  bool operator==(const Edges& other) const {
    return std::memcmp(head, other.head, kEdge) == 0 && std::memcmp(tail, other.tail, kEdge) == 0;
  }
};

// Every texture lies inside the store, and the one that holds the input encodes as a PNG of the
// length its size gives.
void DecodeEveryTexture(size_t input_offset) {
  const uint8_t* begin = Store().Bytes();
  const uint8_t* end = begin + kTextureStoreSize;
  const uint8_t* input = begin + input_offset;
  bool encoded = false;
  for (const kurvex::NamedTexture& texture : kurvex::ListStoreTextures(Store())) {
    const kurvex::TextureImage& image = texture.image;
    Require(image.Valid() && image.pixels >= begin &&
            image.ByteSize() <= static_cast<size_t>(end - image.pixels));
    if (encoded || input < image.pixels || input >= image.pixels + image.ByteSize()) continue;
    const std::vector<uint8_t> png =
        kurvex::EncodePng(image.pixels, image.width, image.height, image.channels);
    Require(png.size() > image.ByteSize());
    encoded = true;
  }
}

bool IsWholeDump(const uint8_t* bytes, size_t length) {
  return length == kTexDumpSize && std::memcmp(bytes, "KURV", 4) == 0 &&
         std::memcmp(bytes + length - 4, "KURV", 4) == 0;
}

// Written plainly: a safe save would flush megabytes to disk for every such input.
void LoadFromFile(size_t length) {
  static const std::string path = "/tmp/fuzz_tex_dump_" + std::to_string(::getpid()) + ".tex";
  FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return;
  const bool written = std::fwrite(Dump().data(), 1, length, file) == length;
  if (std::fclose(file) != 0 || !written) return;
  kurvex::TextureStore loaded;
  const bool loaded_ok = kurvex::DoLoadTex(path, loaded) == kurvex::TexDumpResult::kOk;
  std::remove(path.c_str());
  Require(loaded_ok == IsWholeDump(Dump().data(), length));
  Require(!loaded_ok || std::memcmp(loaded.Bytes(), Dump().data() + 4, kTextureStoreSize) == 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 4) return 0;
  const uint8_t control = data[0];
  const size_t payload_size = std::min(size - 4, kTexDumpSize);
  const size_t spot = (size_t{data[1]} << 16 | size_t{data[2]} << 8 | data[3]) * 3;
  const size_t offset = spot % (kTexDumpSize - payload_size + 1);
  // The length is the dump's, or a few bytes off it.
  const size_t length =
      (control & 0x70) == 0 ? kTexDumpSize - 4 + (control >> 7) * 8 : kTexDumpSize;

  std::vector<uint8_t>& dump = Dump();
  dump.resize(std::max(length, kTexDumpSize), 0);
  std::memcpy(dump.data() + offset, data + 4, payload_size);
  if (control & 1) std::memcpy(dump.data(), "kurv", 4);
  if (control & 2) std::memcpy(dump.data() + length - 4, "kurv", 4);

  const Edges before(Store());
  const kurvex::TexDumpResult result = kurvex::ParseTexDump(dump.data(), length, Store());
  const bool whole = IsWholeDump(dump.data(), length);
  Require((result == kurvex::TexDumpResult::kOk) == whole);
  if (!whole) Require(Edges(Store()) == before);
  if (whole) {
    Require(std::memcmp(Store().Bytes(), dump.data() + 4, kTextureStoreSize) == 0);
    DecodeEveryTexture(offset >= 4 ? std::min(offset - 4, kTextureStoreSize - 1) : 0);
  }
  if ((control & 0x0C) == 0x0C && (control & 0xF0) == 0x10) LoadFromFile(length);

  // Back to a clean dump of the right length for the next input.
  std::fill(dump.begin() + offset, dump.begin() + offset + payload_size, 0);
  dump.resize(kTexDumpSize);
  std::fill(dump.begin() + kTexDumpSize - 8, dump.end(), 0);
  std::memcpy(dump.data(), "KURV", 4);
  std::memcpy(dump.data() + kTexDumpSize - 4, "KURV", 4);
  return 0;
}
