#pragma once
// MIO0 blocks for tests: a writer for hand-made streams (including corrupt ones) and a small
// greedy compressor built on it.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace kurvex::test {

class Mio0Writer {
 public:
  void Literal(uint8_t byte);
  // distance 1..4096, length 3..18; other values are stored as far as the fields allow, which
  // lets tests write references the decoder must refuse.
  void Reference(size_t distance, size_t length);

  // The block with the header; L is the length of everything written unless given.
  std::vector<uint8_t> Finish() const { return Finish(static_cast<uint32_t>(length_)); }
  std::vector<uint8_t> Finish(uint32_t decompressed_length) const;

 private:
  void Bit(bool bit);

  std::vector<uint8_t> layout_;
  int bits_in_last_ = 8;
  std::vector<uint8_t> references_;
  std::vector<uint8_t> literals_;
  size_t length_ = 0;
};

// Greedy: at each step the longest match (3..18 bytes) within 4,096 bytes, the nearest of
// equal ones.
std::vector<uint8_t> CompressMio0(const std::vector<uint8_t>& data);

}  // namespace kurvex::test
