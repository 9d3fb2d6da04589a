#pragma once
// Synthetic ROM images that hold texture blocks: the game's name field and region letter, and
// MIO0-packed track sets and models, plain floors and features, and the horizon block at the
// region's texture offsets; optionally in V64 byte order.

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace kurvex::testing {

// The blocks in the game's own formats, before packing.
struct TextureRomSource {
  std::array<std::vector<uint8_t>, 11> track_sets;  // 16-bit pixels, one set per venue
  std::vector<uint8_t> floors;                      // 40,960 bytes
  std::vector<uint8_t> features;                    // 10,240 bytes
  std::vector<uint8_t> models;                      // 16-bit pixels after a 12-byte lead
  std::vector<uint8_t> horizons;                    // 55 images of 2,560 bytes
};

// Pseudo-random pictures that pack well (runs of equal pixels), different for every block and
// seed. track_set_length is the unpacked length of each track set.
TextureRomSource MakeTextureRomSource(uint32_t seed, size_t track_set_length = 49088,
                                      size_t models_length = 140544);

// A 16 MiB image in Z64 order with the name field, the region letter and the packed blocks.
std::vector<uint8_t> BuildTextureRom(char region, const TextureRomSource& source);

// Writes bytes at a Z64 offset of a Z64 image.
void PutBlock(std::vector<uint8_t>& z64, uint32_t offset, const std::vector<uint8_t>& bytes);

// The same image in V64 order (every byte pair exchanged).
std::vector<uint8_t> ToV64(std::vector<uint8_t> z64);

}  // namespace kurvex::testing
