#pragma once
// Single-precision floats as the files store them: the IEEE-754 bit pattern, and a "short
// float" made of its upper 16 bits.

#include <cstdint>

namespace kurvex {

// Infinity and NaN read as 0.0 and set *float_error; negative zero reads as 0.0.
float FloatFromBits(uint32_t bits, bool* float_error = nullptr);
// Negative zero is written as positive zero.
uint32_t BitsFromFloat(float value);

// The upper half of the bit pattern; writing drops the lower half without rounding.
inline float FloatFromShortBits(uint16_t bits, bool* float_error = nullptr) {
  return FloatFromBits(static_cast<uint32_t>(bits) << 16, float_error);
}
inline uint16_t ShortBitsFromFloat(float value) {
  return static_cast<uint16_t>(BitsFromFloat(value) >> 16);
}

}  // namespace kurvex
