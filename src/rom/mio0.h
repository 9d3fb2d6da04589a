#pragma once
// MIO0, the game's LZ compression. A block is a 16-byte big-endian header (magic "MIO0",
// decompressed length L, offset C of the back-reference stream, offset U of the literal stream)
// followed by the layout bits: one bit per step, most significant first, 1 = copy a literal,
// 0 = a 16-bit back reference (length = (v >> 12) + 3, distance = (v & 0xFFF) + 1).
//
// The decoder is a pure function over its input and output: it never reads or writes outside
// them. Stream reads past the end of the input give zeros (the ROM blocks are read at a fixed
// length, which may cut a stream short), but a back reference before the first output byte or a
// copy past L is corrupt data and is reported instead of being carried out.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace kurvex {

enum class Mio0Result : int16_t {
  kOk = 0,
  kTruncatedHeader = 1,   // fewer than 16 bytes
  kTooLong = 2,           // L exceeds what the caller can take
  kBadBackReference = 3,  // a back reference before the first output byte
  kCopyPastEnd = 4,       // a back reference that would run past L
};

const char* Mio0ResultText(Mio0Result result);

inline constexpr size_t kMio0HeaderSize = 16;

// L from the header; 0 when the input is shorter than the header.
uint32_t Mio0DecodedLength(const uint8_t* source, size_t source_size);

// Decodes into output[0..capacity). On success *length = L (which is at most capacity).
// On failure output holds whatever was decoded before the fault, never more than capacity bytes.
Mio0Result DecodeMio0(const uint8_t* source, size_t source_size, uint8_t* output, size_t capacity,
                      size_t* length);

// Convenience form: output is resized to L; L above max_length is refused before anything is
// allocated, so a wild header cannot ask for gigabytes. output is empty after a failure.
Mio0Result DecodeMio0(const uint8_t* source, size_t source_size, std::vector<uint8_t>& output,
                      size_t max_length);

}  // namespace kurvex
