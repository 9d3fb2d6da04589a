#pragma once
// Conversions of the game's pixel formats into the texture store's 8-bit RGB and RGBA.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "rom/texture_store.h"

namespace kurvex {

// One horizon image in the ROM: 64 rows of 32 bytes of 4-bit indices, then 16 palette colours.
inline constexpr size_t kHorizonSourceStride = 2560;
inline constexpr size_t kHorizonPaletteOffset = 2048;
inline constexpr size_t kHorizonBlockSize = kHorizonCount * kHorizonSourceStride;

// The 5-bit channel scaled to 0..255, to the nearest whole number.
uint8_t ExpandChannel5(uint32_t value);

// Big-endian RRRRRGGGGGBBBBBA pixels to RGB; the alpha bit is dropped. Writes
// 3 * (length / 2) bytes and returns that count; a trailing odd byte is no pixel and is ignored.
size_t ConvertRgba16(const uint8_t* source, size_t length, uint8_t* rgb);
std::vector<uint8_t> ConvertRgba16(const uint8_t* source, size_t length);

// Fills HorizonTextureData and HorizonLightData from the ROM's horizon block. The palette entry
// 0xFFFF (opaque white, the last one when several are) is the light colour; its pixels are opaque
// in the light mask and all others transparent. False, with the store untouched, when the block
// is shorter than kHorizonBlockSize.
bool DecodeHorizons(const uint8_t* block, size_t size, TextureStore& store);

// Builds MirroredModelTextureData from ModelTextureData: eight 64 x 16 half-textures, each
// followed by its own rows in reverse order, making 64 x 32 textures symmetric about the middle.
void BuildMirroredModelTextures(TextureStore& store);

}  // namespace kurvex
