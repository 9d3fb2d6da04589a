#include "rom/mio0.h"

#include <cstring>

#include "course/byte_buffer.h"

namespace kurvex {

namespace {

// One layout byte of the fast path makes at most 8 steps of at most 18 bytes, and a chunked copy
// may write up to 6 bytes past its end; with this much room left no step needs an end check.
constexpr size_t kFastOutputRoom = 8 * 18 + 8;
constexpr size_t kFastLiteralRoom = 8;
constexpr size_t kFastReferenceRoom = 16;

// The back-reference copy when the output has room for whole 8-byte chunks past its end. With a
// distance of 8 or more every chunk reads only bytes that earlier chunks (or earlier steps)
// have written; bytes written past the copy's end are overwritten by the steps that follow.
inline void CopyMatchChunked(uint8_t* dest, size_t distance, size_t length) {
  const uint8_t* from = dest - distance;
  if (distance >= 8) {
    for (size_t done = 0; done < length; done += 8) std::memcpy(dest + done, from + done, 8);
  } else if (distance == 1) {
    std::memset(dest, from[0], length);
  } else {
    for (size_t i = 0; i < length; ++i) dest[i] = from[i];
  }
}

class Mio0Decoder {
 public:
  Mio0Decoder(const uint8_t* source, size_t source_size, uint8_t* output, size_t total)
      : src_(source),
        src_size_(source_size),
        out_(output),
        total_(total),
        comp_(LoadBigEndian32(source + 8)),
        lit_(LoadBigEndian32(source + 12)) {}

  Mio0Result Run() {
    while (pos_ < total_) {
      const uint32_t bits = At(layout_++);
      const Mio0Result result = FastPathFits() ? FastByte(bits) : CheckedByte(bits);
      if (result != Mio0Result::kOk) return result;
    }
    return Mio0Result::kOk;
  }

 private:
  uint8_t At(size_t index) const { return index < src_size_ ? src_[index] : 0; }

  bool Has(size_t index, size_t count) const {
    return index <= src_size_ && src_size_ - index >= count;
  }

  bool FastPathFits() const {
    return total_ - pos_ >= kFastOutputRoom && Has(lit_, kFastLiteralRoom) &&
           Has(comp_, kFastReferenceRoom);
  }

  // Eight steps with every read inside the input and every write inside the output.
  Mio0Result FastByte(uint32_t bits) {
    if (bits == 0xFF) {
      std::memcpy(out_ + pos_, src_ + lit_, 8);
      pos_ += 8;
      lit_ += 8;
      return Mio0Result::kOk;
    }
    for (int step = 0; step < 8; ++step, bits <<= 1) {
      if (bits & 0x80) {
        out_[pos_++] = src_[lit_++];
        continue;
      }
      const uint32_t v = (uint32_t{src_[comp_]} << 8) | src_[comp_ + 1];
      comp_ += 2;
      const size_t length = (v >> 12) + 3;
      const size_t distance = (v & 0x0FFF) + 1;
      if (distance > pos_) return Mio0Result::kBadBackReference;
      CopyMatchChunked(out_ + pos_, distance, length);
      pos_ += length;
    }
    return Mio0Result::kOk;
  }

  // The same steps near the ends of the streams or of the output.
  Mio0Result CheckedByte(uint32_t bits) {
    for (int step = 0; step < 8 && pos_ < total_; ++step, bits <<= 1) {
      if (bits & 0x80) {
        out_[pos_++] = At(lit_++);
        continue;
      }
      const uint32_t v = (uint32_t{At(comp_)} << 8) | At(comp_ + 1);
      comp_ += 2;
      const size_t length = (v >> 12) + 3;
      const size_t distance = (v & 0x0FFF) + 1;
      if (distance > pos_) return Mio0Result::kBadBackReference;
      if (length > total_ - pos_) return Mio0Result::kCopyPastEnd;
      for (size_t i = 0; i < length; ++i, ++pos_) out_[pos_] = out_[pos_ - distance];
    }
    return Mio0Result::kOk;
  }

  const uint8_t* src_;
  size_t src_size_;
  uint8_t* out_;
  size_t total_;
  size_t layout_ = kMio0HeaderSize;
  size_t comp_;
  size_t lit_;
  size_t pos_ = 0;
};

}  // namespace

const char* Mio0ResultText(Mio0Result result) {
  switch (result) {
    case Mio0Result::kOk:
      return "Successful";
    case Mio0Result::kTruncatedHeader:
      return "MIO0 block shorter than its header";
    case Mio0Result::kTooLong:
      return "MIO0 decompressed length too large";
    case Mio0Result::kBadBackReference:
      return "MIO0 back reference before the start of the data";
    case Mio0Result::kCopyPastEnd:
      return "MIO0 copy past the decompressed length";
  }
  return "(Invalid error number)";
}

uint32_t Mio0DecodedLength(const uint8_t* source, size_t source_size) {
  return source_size < kMio0HeaderSize ? 0 : LoadBigEndian32(source + 4);
}

Mio0Result DecodeMio0(const uint8_t* source, size_t source_size, uint8_t* output, size_t capacity,
                      size_t* length) {
  if (length) *length = 0;
  if (source_size < kMio0HeaderSize) return Mio0Result::kTruncatedHeader;
  const size_t total = LoadBigEndian32(source + 4);
  if (total > capacity) return Mio0Result::kTooLong;
  const Mio0Result result = Mio0Decoder(source, source_size, output, total).Run();
  if (result == Mio0Result::kOk && length) *length = total;
  return result;
}

Mio0Result DecodeMio0(const uint8_t* source, size_t source_size, std::vector<uint8_t>& output,
                      size_t max_length) {
  output.clear();
  if (source_size < kMio0HeaderSize) return Mio0Result::kTruncatedHeader;
  const size_t total = LoadBigEndian32(source + 4);
  if (total > max_length) return Mio0Result::kTooLong;
  output.resize(total);
  size_t length = 0;
  const Mio0Result result = DecodeMio0(source, source_size, output.data(), total, &length);
  if (result != Mio0Result::kOk) output.clear();
  return result;
}

}  // namespace kurvex
