// Any bytes as a texture dump. The input is read as a file through the loader, and its bytes
// also become the head and tail of a buffer near the dump's length, with the markers placed or
// broken as its first byte says, so that the length and marker checks are driven around the
// accepted case. A refused dump must leave the store as it was.
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "rom/texture_dump.h"

namespace {

constexpr size_t kEdge = 64;  // bytes of the store compared before and after a refused load

using kurvex::kTexDumpSize;
using kurvex::kTextureStoreSize;

// The store is large; one is kept for the whole run, and only its edges are compared, which a
// partial copy would always touch first.
kurvex::TextureStore& Store() {
  static kurvex::TextureStore store;
  return store;
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

void LoadAsFile(const uint8_t* data, size_t size) {
  static const std::string path = "/tmp/fuzz_tex_dump_" + std::to_string(::getpid()) + ".tex";
  FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return;
  std::fwrite(data, 1, size, file);
  std::fclose(file);
  const Edges before(Store());
  if (kurvex::DoLoadTex(path, Store()) != kurvex::TexDumpResult::kOk &&
      !(Edges(Store()) == before)) {
    abort();
  }
  std::remove(path.c_str());
}

void ParseSpread(const uint8_t* data, size_t size) {
  if (size < 2) return;
  static std::vector<uint8_t> buffer(kTexDumpSize + 4, 0);
  const int control = data[0];
  const size_t length = kTexDumpSize + data[1] % 9 - 4;  // up to 4 bytes off the right length
  std::vector<uint8_t>& bytes = buffer;
  const size_t n = std::min(size - 2, kEdge);
  std::fill(bytes.begin(), bytes.begin() + kEdge, 0);
  std::fill(bytes.begin() + length - kEdge, bytes.begin() + length, 0);
  std::memcpy(bytes.data(), data + 2, n);
  std::memcpy(bytes.data() + length - n, data + 2, n);
  if (control & 1) std::memcpy(bytes.data(), "KURV", 4);
  if (control & 2) std::memcpy(bytes.data() + length - 4, "KURV", 4);

  const Edges before(Store());
  const kurvex::TexDumpResult result = kurvex::ParseTexDump(bytes.data(), length, Store());
  const bool whole = length == kTexDumpSize && std::memcmp(bytes.data(), "KURV", 4) == 0 &&
                     std::memcmp(bytes.data() + length - 4, "KURV", 4) == 0;
  if ((result == kurvex::TexDumpResult::kOk) != whole) abort();
  if (!whole && !(Edges(Store()) == before)) abort();
  if (whole && std::memcmp(Store().Bytes(), bytes.data() + 4, kEdge) != 0) abort();
  // Clear the tail of a shorter buffer for the next run.
  std::fill(bytes.begin() + length - kEdge, bytes.begin() + length, 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  LoadAsFile(data, size);
  ParseSpread(data, size);
  return 0;
}
