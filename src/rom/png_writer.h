#pragma once
// A small PNG encoder for the texture export: 8-bit RGB or RGBA, no interlacing, the image data
// in stored (uncompressed) deflate blocks, so that no compression library is needed.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "course/file_write.h"

namespace kurvex {

// The CRC-32 of PNG chunks and zip files (polynomial 0xEDB88320), continued from crc.
uint32_t Crc32(const uint8_t* data, size_t size, uint32_t crc = 0);
// The zlib stream checksum.
uint32_t Adler32(const uint8_t* data, size_t size);

// channels 3 (RGB) or 4 (RGBA); rows top to bottom. Empty for a bad size or channel count.
std::vector<uint8_t> EncodePng(const uint8_t* pixels, int width, int height, int channels);

// Encodes and writes atomically (temporary file, then rename); an input is never written over.
bool WritePng(const std::string& path, const uint8_t* pixels, int width, int height, int channels,
              std::string* error = nullptr, const InputFiles& inputs = {});

}  // namespace kurvex
