#pragma once
// Synthetic images that hold texture blocks: a TestRom with MIO0-packed track sets and models,
// plain floors and features, and the horizon block at the region's texture offsets (written out
// on their own, so the loader is checked against figures it did not supply).

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "rom_builder.h"

namespace kurvex::test {

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
TextureRomSource MakeTextureRomSource(uint32_t seed, size_t track_set_length = 49088);

// The image with the packed blocks; for a region without texture offsets, a bare TestRom.
TestRom BuildTextureRom(char region, const TextureRomSource& source);

}  // namespace kurvex::test
