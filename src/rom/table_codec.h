#pragma once
// The game's per-slot tables as bytes: a pointer table of 24 big-endian game addresses, slot 1
// first, pointing into a fixed block of zero-terminated texts or of horizon lists. Reading
// never leaves the block. Re-packing writes each distinct entry once, lets equal entries share
// it, and once the block is full points the remaining slots at an empty entry at its end.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "course/course.h"
#include "rom/rom_layout.h"

namespace kurvex {

// A slot's horizons, shaped like the course's horizon fields (entries 1..count; the entries
// above count are kept zero so that equal lists compare equal).
struct RomHorizonList {
  uint8_t count = 0;
  HorizonArray<uint8_t> image{};
  HorizonArray<float> angle{};
};
// Equal count, images and angle bit patterns (the bytes the list is stored as).
bool SameHorizons(const RomHorizonList& a, const RomHorizonList& b);

using TextTable = std::array<std::string, kSlotCount>;  // raw text bytes per slot
using HorizonTable = std::array<RomHorizonList, kSlotCount>;

constexpr size_t kHorizonEntrySize = 8;  // byte 1 image (0 ends a list), bytes 4..7 angle

// pointers: kPointerTableSize bytes. Both return false when an entry could not be read: its
// pointer lies outside the block, or (texts) the text runs to the block's end without a
// terminating zero. Such an entry is left empty. A horizon list ends at an image byte 0, at the
// block's end or after six entries.
bool ReadTextTable(const uint8_t* pointers, const uint8_t* block, size_t block_size,
                   uint32_t block_address, TextTable& entries);
bool ReadHorizonTable(const uint8_t* pointers, const uint8_t* block, size_t block_size,
                      uint32_t block_address, HorizonTable& lists);

struct PackedTable {
  std::vector<uint8_t> block;
  std::array<uint8_t, kPointerTableSize> pointers{};
  std::array<bool, kSlotCount> shortened{};  // the slot's entry was cut or fell back to empty
};

enum class TextBlockKind {
  kNames,  // the block ends in "x" and a zero; a name may still run over them
  kDescriptions,
};

PackedTable PackTextTable(const TextTable& entries, TextBlockKind kind, size_t block_size,
                          uint32_t block_address);
// The block's last entry is always left zero: it ends the list cut at the block's end and is
// the empty list that the slots after it fall back to.
PackedTable PackHorizonTable(const HorizonTable& lists, size_t block_size, uint32_t block_address);

}  // namespace kurvex
