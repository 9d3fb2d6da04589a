#pragma once
// Big-endian reads and writes over a byte array. Positions never leave the array: reading
// past the end gives zeros, and bytes that would fall past the end are not written.

#include <cstddef>
#include <cstdint>
#include <string>

namespace kurvex {

class ByteReader {
 public:
  ByteReader(const uint8_t* data, size_t size) : data_(data), size_(size) {}

  uint8_t Byte();
  uint16_t U16();
  uint32_t U32();
  float Float32(bool* float_error = nullptr);
  float ShortFloat(bool* float_error = nullptr);
  // n bytes, one character each; bytes past the end give character 0.
  std::string String(size_t n);
  void Skip(size_t n) { Advance(n); }

  size_t Position() const { return pos_; }
  void Seek(size_t pos) { pos_ = pos < size_ ? pos : size_; }
  bool AtEnd() const { return pos_ >= size_; }

 private:
  uint8_t At(size_t offset) const { return pos_ + offset < size_ ? data_[pos_ + offset] : 0; }
  void Advance(size_t n) { pos_ = n < size_ - pos_ ? pos_ + n : size_; }

  const uint8_t* data_;
  size_t size_;
  size_t pos_ = 0;
};

class ByteWriter {
 public:
  ByteWriter(uint8_t* data, size_t size) : data_(data), size_(size) {}

  void Byte(uint8_t value);
  void U16(uint16_t value);
  void U32(uint32_t value);
  void Float32(float value);
  void ShortFloat(float value);
  void String(const std::string& value);
  void Zeros(size_t n);

  size_t Position() const { return pos_; }
  void Seek(size_t pos) { pos_ = pos < size_ ? pos : size_; }

 private:
  void Put(uint8_t value) {
    if (pos_ < size_) data_[pos_++] = value;
  }

  uint8_t* data_;
  size_t size_;
  size_t pos_ = 0;
};

// Big-endian helpers for fixed positions inside a block known to be large enough.
inline uint32_t LoadBigEndian32(const uint8_t* p) {
  return (uint32_t{p[0]} << 24) | (uint32_t{p[1]} << 16) | (uint32_t{p[2]} << 8) | p[3];
}
inline void StoreBigEndian32(uint8_t* p, uint32_t value) {
  p[0] = static_cast<uint8_t>(value >> 24);
  p[1] = static_cast<uint8_t>(value >> 16);
  p[2] = static_cast<uint8_t>(value >> 8);
  p[3] = static_cast<uint8_t>(value);
}

}  // namespace kurvex
