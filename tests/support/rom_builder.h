#pragma once
// Synthetic 16 MiB images of the game for tests, benchmarks and fuzzers: the name field, the
// region letter, course records, the name, description and horizon pointer tables and blocks
// and the music table, at the game's offsets, in Z64 or V64 order. The offsets are written out
// here on their own, so the ROM layer is checked against figures it did not supply.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "course/course.h"

namespace kurvex::test {

struct TestTable {
  uint32_t pointers, block, size, address;  // ROM offsets, block size, game address
};

struct TestLayout {
  uint32_t records;
  TestTable names, descriptions, horizons;
  uint32_t music;
};

struct TestHorizon {
  uint8_t image;
  float angle;
};

using TestTexts = std::array<std::string, 24>;
using TestHorizonLists = std::array<std::vector<TestHorizon>, 24>;

class TestRom {
 public:
  // All zeros but the header fields and the guards; every slot points at an empty name,
  // description and horizon list, and its record is empty (0 points).
  explicit TestRom(char region = 'E');
  // Every slot holds a valid course (SeededRingCourse(4 + slot % 20, slot)), the name "ring <slot>",
  // the description "Lap <slot>.", the horizons slot + h at 30 * h degrees for h = 1 .. slot % 4
  // and the music number slot % 9.
  static TestRom Filled(char region);

  // A bad region letter gets the 'E' layout.
  const TestLayout& layout() const;
  uint32_t RecordOffset(int slot) const { return layout().records + (slot - 1) * 2016u; }
  // Where the guard bytes 0xEE lie: just past every pointer table, block and the music table.
  std::vector<uint32_t> Guards() const;

  // Arbitrary bytes at a Z64 offset.
  void Put(size_t z64_offset, const std::vector<uint8_t>& bytes);
  void PutU32(size_t z64_offset, uint32_t value);

  void SetRecord(int slot, const std::vector<uint8_t>& record) { Put(RecordOffset(slot), record); }
  // Each text written once, in slot order, with a zero after it; slot pointers set.
  void SetNames(const TestTexts& raw) { SetTexts(layout().names, raw); }
  void SetDescriptions(const TestTexts& raw) { SetTexts(layout().descriptions, raw); }
  // Each list written once with an all-zero terminating entry.
  void SetHorizons(const TestHorizonLists& lists);

  const std::vector<uint8_t>& z64() const { return z64_; }
  // The image as a file holds it.
  std::vector<uint8_t> Image(bool v64 = false) const;
  bool Write(const std::string& path, bool v64 = false) const;

 private:
  void SetTexts(const TestTable& table, const TestTexts& raw);

  char region_;
  std::vector<uint8_t> z64_;
};

// The game's 2016-byte record of a course, points above PointCount zero.
std::vector<uint8_t> RecordOf(const Course& course);

}  // namespace kurvex::test
