// DecodeMio0: round trips through the test compressor, hand-made streams, and corrupt blocks
// that must be refused without a byte written outside the output.
#include "rom/mio0.h"

#include <gtest/gtest.h>

#include <random>

#include "mio0_compressor.h"

namespace kurvex {
namespace {

using test::CompressMio0;
using test::Mio0Writer;

std::vector<uint8_t> Decode(const std::vector<uint8_t>& block, Mio0Result* result = nullptr) {
  std::vector<uint8_t> out;
  const Mio0Result got = DecodeMio0(block.data(), block.size(), out, 1 << 24);
  if (result) *result = got;
  return out;
}

std::vector<uint8_t> RandomBytes(size_t size, uint32_t seed, int alphabet = 256) {
  std::mt19937 random(seed);
  std::vector<uint8_t> bytes(size);
  for (auto& b : bytes) b = static_cast<uint8_t>(random() % alphabet);
  return bytes;
}

// Random bytes are nearly all literals (whole layout bytes of them), and few are far matches;
// four and one symbols give references of every length and distance one.
TEST(Mio0RoundTrip, RandomAndRepetitiveDataOfManySizes) {
  for (size_t size : {0u, 1u, 2u, 17u, 151u, 152u, 153u, 1000u, 65537u}) {
    for (int alphabet : {256, 4, 1}) {
      const std::vector<uint8_t> data = RandomBytes(size, static_cast<uint32_t>(size), alphabet);
      Mio0Result result;
      EXPECT_EQ(Decode(CompressMio0(data), &result), data) << size << " " << alphabet;
      EXPECT_EQ(result, Mio0Result::kOk);
    }
  }
}

// Copies that overlap their own output, with every length, and the longest distance.
TEST(Mio0Streams, OverlappingCopiesRepeatAPeriod) {
  for (size_t period : {1, 2, 3, 4, 5, 6, 7, 8, 9, 4096}) {
    Mio0Writer writer;
    std::vector<uint8_t> expected;
    for (size_t i = 0; i < period; ++i) {
      writer.Literal(static_cast<uint8_t>(i * 7 + 1));
      expected.push_back(static_cast<uint8_t>(i * 7 + 1));
    }
    // Many references, so the long-output path runs as well as the path near the end.
    for (size_t r = 0; r < 48; ++r) {
      const size_t length = 3 + r % 16;
      writer.Reference(period, length);
      for (size_t i = 0; i < length; ++i) expected.push_back(expected[expected.size() - period]);
    }
    for (int i = 0; i < 16; ++i) {  // literals left over let the fast path run
      writer.Literal(0x56);
      expected.push_back(0x56);
    }
    EXPECT_EQ(Decode(writer.Finish()), expected) << period;
  }
}

TEST(Mio0Streams, HandMadeBlocks) {
  const std::vector<uint8_t> cases[][2] = {
      // Layout 0b10000000 then zeros: a literal, then a reference of distance 1, length 3.
      {{'M', 'I', 'O', '0', 0, 0, 0, 4, 0, 0, 0, 20, 0, 0, 0, 22, 0x80, 0, 0, 0, 0, 0, 0xAB},
       {0xAB, 0xAB, 0xAB, 0xAB}},
      // Three literals promised, one present: reads past the input give zeros.
      {{'M', 'I', 'O', '0', 0, 0, 0, 3, 0, 0, 0, 20, 0, 0, 0, 20, 0xE0, 0, 0, 0, 0x77},
       {0x77, 0, 0}},
      // Stream offsets far beyond the input read as zeros too.
      {{'M', 'I', 'O', '0', 0, 0, 0, 2, 0xFF, 0xFF, 0xFF, 0xF0, 0xFF, 0xFF, 0xFF, 0xF0, 0xC0},
       {0, 0}},
  };
  for (const auto& [block, expected] : cases) {
    Mio0Result result;
    EXPECT_EQ(Decode(block, &result), expected);
    EXPECT_EQ(result, Mio0Result::kOk);
  }
}

TEST(Mio0Corrupt, BadBlocksAreReportedAndNothingIsWrittenPastTheOutput) {
  struct Case {
    const char* what;
    std::vector<uint8_t> block;
    Mio0Result expected;
  };
  Mio0Writer before_start;
  before_start.Literal(1);
  before_start.Reference(2, 3);
  Mio0Writer past_end;
  past_end.Literal(1);
  past_end.Reference(1, 18);
  Mio0Writer far_back;  // the fault deep in a long block, where no end checks run
  for (int i = 0; i < 300; ++i) far_back.Literal(static_cast<uint8_t>(i));
  far_back.Reference(4096, 3);
  for (int i = 0; i < 20; ++i) far_back.Reference(1, 3);
  for (int i = 0; i < 300; ++i) far_back.Literal(static_cast<uint8_t>(i));
  Mio0Writer zeros_layout;  // the layout runs out: zero bits are references to nothing
  const std::vector<Case> cases = {
      {"reference before start", before_start.Finish(), Mio0Result::kBadBackReference},
      {"copy past L", past_end.Finish(10), Mio0Result::kCopyPastEnd},
      {"far reference", far_back.Finish(), Mio0Result::kBadBackReference},
      {"empty layout", zeros_layout.Finish(5), Mio0Result::kBadBackReference},
      {"short header", {'M', 'I', 'O', '0', 0, 0, 0, 1}, Mio0Result::kTruncatedHeader},
  };
  for (const Case& c : cases) {
    const size_t capacity = 1000;
    std::vector<uint8_t> out(64 + capacity, 0xEE);
    size_t length = 99;
    const Mio0Result result =
        DecodeMio0(c.block.data(), c.block.size(), out.data() + 32, capacity, &length);
    EXPECT_EQ(result, c.expected) << c.what;
    EXPECT_EQ(length, 0u) << c.what;
    for (size_t i = 0; i < 32; ++i) ASSERT_EQ(out[i], 0xEE) << c.what;
    for (size_t i = 32 + capacity; i < out.size(); ++i) ASSERT_EQ(out[i], 0xEE) << c.what;
    EXPECT_TRUE(Decode(c.block).empty()) << c.what;
  }
}

TEST(Mio0Corrupt, LengthBeyondTheCallersLimitIsRefusedBeforeDecoding) {
  const std::vector<uint8_t> data = RandomBytes(1000, 3);
  const std::vector<uint8_t> block = CompressMio0(data);
  std::vector<uint8_t> out;
  EXPECT_EQ(DecodeMio0(block.data(), block.size(), out, 999), Mio0Result::kTooLong);
  EXPECT_TRUE(out.empty());
  EXPECT_EQ(DecodeMio0(block.data(), block.size(), out, 1000), Mio0Result::kOk);
  // A wild header asking for 4 GiB must not allocate it.
  std::vector<uint8_t> wild = {'M', 'I', 'O', '0', 0xFF, 0xFF, 0xFF, 0xFF,
                               0,   0,   0,   16,  0,    0,    0,    16};
  EXPECT_EQ(DecodeMio0(wild.data(), wild.size(), out, 1 << 20), Mio0Result::kTooLong);
  EXPECT_EQ(Mio0DecodedLength(wild.data(), wild.size()), 0xFFFFFFFFu);
  EXPECT_STREQ(Mio0ResultText(Mio0Result::kTooLong), "MIO0 decompressed length too large");
}

}  // namespace
}  // namespace kurvex
