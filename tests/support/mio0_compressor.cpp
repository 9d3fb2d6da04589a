#include "mio0_compressor.h"

#include <algorithm>

namespace kurvex::test {

namespace {

void PutBigEndian32(std::vector<uint8_t>& out, size_t at, uint32_t value) {
  for (int i = 0; i < 4; ++i) out[at + i] = static_cast<uint8_t>(value >> (24 - 8 * i));
}

size_t Align4(size_t n) { return (n + 3) & ~size_t{3}; }

}  // namespace

void Mio0Writer::Bit(bool bit) {
  if (bits_in_last_ == 8) {
    layout_.push_back(0);
    bits_in_last_ = 0;
  }
  if (bit) layout_.back() |= static_cast<uint8_t>(0x80 >> bits_in_last_);
  ++bits_in_last_;
}

void Mio0Writer::Literal(uint8_t byte) {
  Bit(true);
  literals_.push_back(byte);
  ++length_;
}

void Mio0Writer::Reference(size_t distance, size_t length) {
  Bit(false);
  const uint32_t v = static_cast<uint32_t>(((length - 3) & 0x0F) << 12) |
                     static_cast<uint32_t>((distance - 1) & 0x0FFF);
  references_.push_back(static_cast<uint8_t>(v >> 8));
  references_.push_back(static_cast<uint8_t>(v));
  length_ += length;
}

// Layout, references and literals each start on a 4-byte boundary, as the game's blocks do.
std::vector<uint8_t> Mio0Writer::Finish(uint32_t decompressed_length) const {
  const size_t comp = Align4(16 + layout_.size());
  const size_t lit = Align4(comp + references_.size());
  std::vector<uint8_t> block(lit + literals_.size(), 0);
  std::copy_n("MIO0", 4, block.begin());
  PutBigEndian32(block, 4, decompressed_length);
  PutBigEndian32(block, 8, static_cast<uint32_t>(comp));
  PutBigEndian32(block, 12, static_cast<uint32_t>(lit));
  std::copy(layout_.begin(), layout_.end(), block.begin() + 16);
  std::copy(references_.begin(), references_.end(), block.begin() + comp);
  std::copy(literals_.begin(), literals_.end(), block.begin() + lit);
  return block;
}

std::vector<uint8_t> CompressMio0(const std::vector<uint8_t>& data) {
  // The earlier positions with the same three leading bytes (by hash), latest first.
  auto key = [&data](size_t at) {
    return (data[at] << 8 ^ data[at + 1] << 4 ^ data[at + 2]) & 0xFFFF;
  };
  std::vector<int64_t> head(1 << 16, -1), earlier(data.size(), -1);
  Mio0Writer writer;
  for (size_t pos = 0; pos < data.size();) {
    const size_t limit = std::min<size_t>(18, data.size() - pos);
    size_t best_length = 0, best_distance = 0;
    for (int64_t at = limit >= 3 ? head[key(pos)] : -1;
         at >= 0 && pos - at <= 4096 && best_length < limit; at = earlier[at]) {
      size_t length = 0;
      while (length < limit && data[at + length] == data[pos + length]) ++length;
      if (length > best_length) {
        best_length = length;
        best_distance = pos - at;
      }
    }
    if (best_length >= 3) {
      writer.Reference(best_distance, best_length);
    } else {
      writer.Literal(data[pos]);
      best_length = 1;
    }
    for (const size_t end = pos + best_length; pos < end; ++pos) {
      if (pos + 3 > data.size()) continue;
      earlier[pos] = head[key(pos)];
      head[key(pos)] = static_cast<int64_t>(pos);
    }
  }
  return writer.Finish();
}

}  // namespace kurvex::test
