#pragma once
// Where each region's image keeps the course records and the tables of course names,
// descriptions, horizons and music (Z64 offsets), and the 24 cup slots.

#include <cstdint>
#include <string>

namespace kurvex {

constexpr int kSlotCount = 24;  // Jack, Queen, King and Joker cups, six courses each
constexpr int kPointerTableSize = 4 * kSlotCount;  // one big-endian game address per slot

// A pointer table and the block its game addresses point into.
struct TableLocation {
  uint32_t pointer_table;  // ROM offset
  uint32_t block;          // ROM offset
  uint32_t block_size;
  uint32_t block_address;  // game address the block is loaded at
};

struct RegionLayout {
  uint32_t course_records;  // ROM offset of slot 1's record; the others follow
  TableLocation names;
  TableLocation descriptions;
  TableLocation horizons;
  uint32_t music;  // 24 bytes, one music number per slot
};

// The layout of region 'J', 'E' or 'P'; nullptr for any other letter.
const RegionLayout* RegionLayoutFor(char region);

// Z64 offset of a slot's 2016-byte course record; 0 for an unknown region or slot.
uint32_t CourseRecordOffset(int slot, char region);

// "Japanese", "North American", "PAL"; empty for other letters.
std::string RegionName(char region);

// "Jack", "Queen", "King" or "Joker" for number / 6 = 0..3 (number is slot - 1); else empty.
std::string CupName(int number);
// "Jack 1" .. "Joker 6" for slots 1..24; empty otherwise.
std::string SlotName(int slot);
// The slot a text names: "1".."24", or a slot name with or without its blank, in any case
// ("Jack1", "queen6", "King 3"). 0 when it names none.
int SlotFromText(const std::string& text);

}  // namespace kurvex
