#include "mio0_compressor.h"

#include <algorithm>

namespace kurvex::testing {

namespace {

constexpr size_t kMinMatch = 3;
constexpr size_t kMaxMatch = 18;
constexpr size_t kWindow = 4096;
constexpr size_t kHashSize = 1 << 15;

void PutBigEndian32(std::vector<uint8_t>& out, size_t at, uint32_t value) {
  out[at] = static_cast<uint8_t>(value >> 24);
  out[at + 1] = static_cast<uint8_t>(value >> 16);
  out[at + 2] = static_cast<uint8_t>(value >> 8);
  out[at + 3] = static_cast<uint8_t>(value);
}

size_t Align4(size_t n) { return (n + 3) & ~size_t{3}; }

uint32_t Hash3(const uint8_t* p) {
  return ((uint32_t{p[0]} << 10) ^ (uint32_t{p[1]} << 5) ^ p[2]) & (kHashSize - 1);
}

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
  const uint32_t v = static_cast<uint32_t>(((length - kMinMatch) & 0x0F) << 12) |
                     static_cast<uint32_t>((distance - 1) & 0x0FFF);
  references_.push_back(static_cast<uint8_t>(v >> 8));
  references_.push_back(static_cast<uint8_t>(v));
  length_ += length;
}

std::vector<uint8_t> Mio0Writer::Finish() const { return Finish(static_cast<uint32_t>(length_)); }

// Layout, references and literals each start on a 4-byte boundary, as the game's blocks do.
std::vector<uint8_t> Mio0Writer::Finish(uint32_t decompressed_length) const {
  const size_t comp = Align4(16 + layout_.size());
  const size_t lit = Align4(comp + references_.size());
  std::vector<uint8_t> block(lit + literals_.size(), 0);
  block[0] = 'M';
  block[1] = 'I';
  block[2] = 'O';
  block[3] = '0';
  PutBigEndian32(block, 4, decompressed_length);
  PutBigEndian32(block, 8, static_cast<uint32_t>(comp));
  PutBigEndian32(block, 12, static_cast<uint32_t>(lit));
  std::copy(layout_.begin(), layout_.end(), block.begin() + 16);
  std::copy(references_.begin(), references_.end(), block.begin() + comp);
  std::copy(literals_.begin(), literals_.end(), block.begin() + lit);
  return block;
}

std::vector<uint8_t> CompressMio0(const uint8_t* data, size_t size, const Mio0Options& options) {
  Mio0Writer writer;
  std::vector<int64_t> head(kHashSize, -1);
  std::vector<int64_t> previous(size, -1);
  auto insert = [&](size_t at) {
    if (at + kMinMatch > size) return;
    const uint32_t h = Hash3(data + at);
    previous[at] = head[h];
    head[h] = static_cast<int64_t>(at);
  };
  size_t pos = 0;
  while (pos < size) {
    size_t best_length = 0;
    size_t best_distance = 0;
    if (!options.literals_only && pos + kMinMatch <= size) {
      const size_t limit = std::min(kMaxMatch, size - pos);
      int64_t candidate = head[Hash3(data + pos)];
      for (int tries = 0; candidate >= 0 && tries < options.max_chain; ++tries) {
        const size_t distance = pos - static_cast<size_t>(candidate);
        if (distance > kWindow) break;
        size_t length = 0;
        while (length < limit && data[candidate + length] == data[pos + length]) ++length;
        if (length > best_length) {
          best_length = length;
          best_distance = distance;
        }
        candidate = previous[candidate];
      }
    }
    if (best_length >= kMinMatch) {
      writer.Reference(best_distance, best_length);
      for (size_t i = 0; i < best_length; ++i) insert(pos + i);
      pos += best_length;
    } else {
      writer.Literal(data[pos]);
      insert(pos);
      ++pos;
    }
  }
  return writer.Finish();
}

}  // namespace kurvex::testing
