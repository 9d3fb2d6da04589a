#pragma once
// Reading the whole texture store from a ROM image: fixed blocks at region-dependent offsets,
// MIO0-unpacked where compressed, converted to RGB and RGBA.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "course/message.h"
#include "rom/rom_image.h"
#include "rom/texture_store.h"

namespace kurvex {

enum class TextureLoadResult : int16_t {
  kUnknown = -1,
  kOk = 0,
  kReadError = 1,      // a block could not be read from the image
  kBadRegion = 2,      // no offsets for the image's region letter
  kCorruptBlock = 3,   // a MIO0 block that does not decode
  kBlockTooLarge = 4,  // decoded data larger than its array in the store
};

const char* TextureLoadResultText(TextureLoadResult result);
// The user message for a failed load; detail names the block and the fault.
Message TextureLoadMessage(TextureLoadResult result, const std::string& detail);

// Fixed read lengths of the blocks.
inline constexpr size_t kTrackSetReadLength = 50000;
inline constexpr size_t kFloorsReadLength = 40960;
inline constexpr size_t kFeaturesReadLength = 10240;
inline constexpr size_t kModelsReadLength = 141000;
inline constexpr size_t kHorizonsReadLength = 140800;

// Z64 offsets of the texture blocks in one region's image.
struct TextureBlockOffsets {
  uint32_t track_sets[kVenueCount];
  uint32_t floors;
  uint32_t features;
  uint32_t models;
  uint32_t horizons;
};

// The offsets for region letter 'J', 'E' or 'P'; nullptr for any other.
const TextureBlockOffsets* TextureOffsetsForRegion(char region);

// Reads length bytes at a Z64 offset, already in Z64 byte order; false when it cannot.
using RomBlockReader =
    std::function<bool(uint32_t offset, size_t length, std::vector<uint8_t>& block)>;

// Fills the whole store from the blocks read through read. Everything is decoded into a fresh
// store first, so on any failure the given store is left as it was and *detail says which block
// failed and why.
TextureLoadResult LoadTexturesFromBlocks(char region, const RomBlockReader& read,
                                         TextureStore& store, std::string* detail = nullptr);

// The blocks a load reads, and a report after each: how many are done of how many.
inline constexpr int kTextureBlockCount = kVenueCount + 4;
using TextureProgress = std::function<void(int blocks_done, int block_count)>;

// The same from an opened image (kRomOk); its byte order is already taken care of by ReadBlock.
TextureLoadResult LoadRomTextures(const RomImage& rom, TextureStore& store,
                                  std::string* detail = nullptr,
                                  const TextureProgress& progress = {});

}  // namespace kurvex
