#include "course/byte_buffer.h"

#include "course/ieee754.h"

namespace kurvex {

uint8_t ByteReader::Byte() {
  const uint8_t value = At(0);
  Advance(1);
  return value;
}

uint16_t ByteReader::U16() {
  const uint16_t value = static_cast<uint16_t>((At(0) << 8) | At(1));
  Advance(2);
  return value;
}

uint32_t ByteReader::U32() {
  const uint32_t value =
      (uint32_t{At(0)} << 24) | (uint32_t{At(1)} << 16) | (uint32_t{At(2)} << 8) | At(3);
  Advance(4);
  return value;
}

float ByteReader::Float32(bool* float_error) { return FloatFromBits(U32(), float_error); }

float ByteReader::ShortFloat(bool* float_error) {
  return FloatFromShortBits(U16(), float_error);
}

std::string ByteReader::String(size_t n) {
  std::string value(n, '\0');
  for (size_t i = 0; i < n && pos_ + i < size_; ++i) value[i] = static_cast<char>(data_[pos_ + i]);
  Advance(n);
  return value;
}

void ByteWriter::Byte(uint8_t value) { Put(value); }

void ByteWriter::U16(uint16_t value) {
  Put(static_cast<uint8_t>(value >> 8));
  Put(static_cast<uint8_t>(value));
}

void ByteWriter::U32(uint32_t value) {
  U16(static_cast<uint16_t>(value >> 16));
  U16(static_cast<uint16_t>(value));
}

void ByteWriter::Float32(float value) { U32(BitsFromFloat(value)); }

void ByteWriter::ShortFloat(float value) { U16(ShortBitsFromFloat(value)); }

void ByteWriter::String(const std::string& value) {
  for (char ch : value) Put(static_cast<uint8_t>(ch));
}

void ByteWriter::Zeros(size_t n) {
  for (size_t i = 0; i < n; ++i) Put(0);
}

}  // namespace kurvex
