// Random pointer tables and blocks for the ROM table reader. Reading must stay inside the
// block (the block is an exact-size heap copy, so AddressSanitizer sees any overrun), and what
// was read must re-pack into a block of the same size that reads back the same, except for
// slots the packer reports as shortened, which read back a prefix (or nothing).
#include <cstddef>
#include <cstdint>
#include <vector>

#include "rom/table_codec.h"

using namespace kurvex;

namespace {

void Check(bool condition) {
  if (!condition) __builtin_trap();
}

void CheckTexts(const TextTable& texts, TextBlockKind kind, size_t size, uint32_t address) {
  const PackedTable packed = PackTextTable(texts, kind, size, address);
  Check(packed.block.size() == size);
  TextTable again;
  Check(ReadTextTable(packed.pointers.data(), packed.block.data(), size, address, again));
  for (int s = 0; s < kSlotCount; ++s) {
    if (packed.shortened[s]) {
      Check(texts[s].compare(0, again[s].size(), again[s]) == 0);
    } else {
      Check(again[s] == texts[s]);
    }
  }
}

void CheckHorizons(const HorizonTable& lists, size_t size, uint32_t address) {
  const PackedTable packed = PackHorizonTable(lists, size, address);
  Check(packed.block.size() == size);
  HorizonTable again;
  Check(ReadHorizonTable(packed.pointers.data(), packed.block.data(), size, address, again));
  for (int s = 0; s < kSlotCount; ++s) {
    Check(packed.shortened[s] ? again[s].count <= lists[s].count
                              : SameHorizons(again[s], lists[s]));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < kPointerTableSize + 1) return 0;
  const uint8_t* pointers = data;
  const uint8_t selector = data[kPointerTableSize];
  const std::vector<uint8_t> block(data + kPointerTableSize + 1, data + size);
  // Address 0 lets small pointer values land in the block; the other is a game address.
  const uint32_t address = (selector & 1) ? 0x800D4310 : 0;
  TextTable texts;
  ReadTextTable(pointers, block.data(), block.size(), address, texts);
  HorizonTable lists;
  ReadHorizonTable(pointers, block.data(), block.size(), address, lists);
  if (!block.empty()) {
    CheckTexts(texts, (selector & 2) ? TextBlockKind::kNames : TextBlockKind::kDescriptions,
               block.size(), address);
  }
  if (block.size() >= kHorizonEntrySize) CheckHorizons(lists, block.size(), address);
  return 0;
}
