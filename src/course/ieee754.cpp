#include "course/ieee754.h"

#include <cstring>

namespace kurvex {

float FloatFromBits(uint32_t bits, bool* float_error) {
  if (((bits >> 23) & 0xFF) == 0xFF) {
    if (float_error) *float_error = true;
    return 0.0f;
  }
  if ((bits & 0x7FFFFFFF) == 0) return 0.0f;
  float value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

uint32_t BitsFromFloat(float value) {
  uint32_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  return (bits & 0x7FFFFFFF) == 0 ? 0 : bits;
}

}  // namespace kurvex
