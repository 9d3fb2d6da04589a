#include "texture_rom.h"

#include <algorithm>
#include <cstring>
#include <random>
#include <stdexcept>

#include "mio0_compressor.h"
#include "rom/texture_loader.h"

namespace kurvex::testing {

namespace {

constexpr size_t kRomBytes = 0x1000000;
constexpr size_t kRunPixels = 8;

// Runs of kRunPixels equal 16-bit pixels with random values.
std::vector<uint8_t> Runs(std::mt19937& random, size_t length) {
  std::vector<uint8_t> bytes(length);
  uint8_t hi = 0, lo = 0;
  for (size_t i = 0; i + 1 < length; i += 2) {
    if (i % (2 * kRunPixels) == 0) {
      hi = static_cast<uint8_t>(random());
      lo = static_cast<uint8_t>(random());
    }
    bytes[i] = hi;
    bytes[i + 1] = lo;
  }
  if (length % 2) bytes.back() = static_cast<uint8_t>(random());
  return bytes;
}

// Index bytes with random values and palettes that sometimes hold the light colour 0xFFFF.
std::vector<uint8_t> Horizons(std::mt19937& random) {
  std::vector<uint8_t> block(55 * 2560);
  for (size_t k = 0; k < 55; ++k) {
    uint8_t* image = block.data() + k * 2560;
    for (size_t i = 0; i < 2048; ++i) image[i] = static_cast<uint8_t>(random());
    for (size_t i = 2048; i < 2560; ++i) image[i] = static_cast<uint8_t>(random());
    if (k % 3 != 0) {
      const size_t light = random() % 16;
      image[2048 + 2 * light] = 0xFF;
      image[2048 + 2 * light + 1] = 0xFF;
    }
  }
  return block;
}

}  // namespace

TextureRomSource MakeTextureRomSource(uint32_t seed, size_t track_set_length,
                                      size_t models_length) {
  std::mt19937 random(seed);
  TextureRomSource source;
  for (auto& set : source.track_sets) set = Runs(random, track_set_length);
  source.floors = Runs(random, 40960);
  source.features = Runs(random, 10240);
  source.models = Runs(random, models_length);
  source.horizons = Horizons(random);
  return source;
}

void PutBlock(std::vector<uint8_t>& z64, uint32_t offset, const std::vector<uint8_t>& bytes) {
  if (offset + bytes.size() > z64.size()) throw std::out_of_range("block outside the image");
  std::copy(bytes.begin(), bytes.end(), z64.begin() + offset);
}

std::vector<uint8_t> BuildTextureRom(char region, const TextureRomSource& source) {
  std::vector<uint8_t> rom(kRomBytes, 0);
  std::memcpy(rom.data() + 0x20, "F-ZERO X            ", 20);
  rom[0x3E] = static_cast<uint8_t>(region);
  const TextureBlockOffsets* offsets = TextureOffsetsForRegion(region);
  if (!offsets) return rom;
  for (int venue = 0; venue < 11; ++venue) {
    const std::vector<uint8_t> packed = CompressMio0(source.track_sets[venue]);
    // A packed set must end before the next block starts, or the image would be inconsistent.
    const uint32_t next = venue < 10 ? offsets->track_sets[venue + 1] : offsets->features;
    if (offsets->track_sets[venue] + packed.size() > next) {
      throw std::length_error("track set packs too large for its place");
    }
    PutBlock(rom, offsets->track_sets[venue], packed);
  }
  PutBlock(rom, offsets->floors, source.floors);
  PutBlock(rom, offsets->features, source.features);
  PutBlock(rom, offsets->models, CompressMio0(source.models));
  PutBlock(rom, offsets->horizons, source.horizons);
  return rom;
}

std::vector<uint8_t> ToV64(std::vector<uint8_t> z64) {
  for (size_t i = 0; i + 1 < z64.size(); i += 2) std::swap(z64[i], z64[i + 1]);
  return z64;
}

}  // namespace kurvex::testing
