#include "rom/table_codec.h"

#include <algorithm>
#include <cstring>
#include <functional>

#include "course/byte_buffer.h"
#include "course/ieee754.h"

namespace kurvex {

namespace {

// Offset inside the block of slot s's pointer (0-based s); values below the block's address
// wrap to huge offsets, which every caller rejects like any other offset past the block.
uint32_t PointerOffset(const uint8_t* pointers, int s, uint32_t block_address) {
  return LoadBigEndian32(pointers + 4 * s) - block_address;
}

void StorePointers(const std::array<uint32_t, kSlotCount>& addresses, PackedTable& packed) {
  for (int s = 0; s < kSlotCount; ++s) StoreBigEndian32(&packed.pointers[4 * s], addresses[s]);
}

// The first earlier slot whose entry equals slot s's, or -1.
template <typename Table, typename Same>
int EarlierEqual(const Table& table, int s, Same same) {
  for (int t = 0; t < s; ++t) {
    if (same(table[t], table[s])) return t;
  }
  return -1;
}

void WriteHorizonEntry(uint8_t* entry, uint8_t image, float angle) {
  entry[1] = image;
  StoreBigEndian32(entry + 4, BitsFromFloat(angle));
}

}  // namespace

bool SameHorizons(const RomHorizonList& a, const RomHorizonList& b) {
  if (a.count != b.count) return false;
  for (int h = 1; h <= a.count && h <= kMaxHorizons; ++h) {
    if (a.image[h] != b.image[h] || BitsFromFloat(a.angle[h]) != BitsFromFloat(b.angle[h])) {
      return false;
    }
  }
  return true;
}

bool ReadTextTable(const uint8_t* pointers, const uint8_t* block, size_t block_size,
                   uint32_t block_address, TextTable& entries) {
  bool ok = true;
  for (int s = 0; s < kSlotCount; ++s) {
    entries[s].clear();
    const uint32_t offset = PointerOffset(pointers, s, block_address);
    if (offset >= block_size) {
      ok = false;
      continue;
    }
    const uint8_t* text = block + offset;
    const void* end = std::memchr(text, 0, block_size - offset);
    if (!end) {
      ok = false;
      continue;
    }
    entries[s].assign(text, static_cast<const uint8_t*>(end));
  }
  return ok;
}

bool ReadHorizonTable(const uint8_t* pointers, const uint8_t* block, size_t block_size,
                      uint32_t block_address, HorizonTable& lists) {
  bool ok = true;
  for (int s = 0; s < kSlotCount; ++s) {
    RomHorizonList& list = lists[s];
    list = RomHorizonList{};
    const uint32_t offset = PointerOffset(pointers, s, block_address);
    if (offset >= block_size) {
      ok = false;
      continue;
    }
    for (size_t at = offset; list.count < kMaxHorizons && block_size - at >= kHorizonEntrySize;
         at += kHorizonEntrySize) {
      const uint8_t* entry = block + at;
      if (entry[1] == 0) break;
      ++list.count;
      list.image[list.count] = entry[1];
      list.angle[list.count] = FloatFromBits(LoadBigEndian32(entry + 4));
    }
  }
  return ok;
}

PackedTable PackTextTable(const TextTable& entries, TextBlockKind kind, size_t block_size,
                          uint32_t block_address) {
  PackedTable packed;
  std::vector<uint8_t>& block = packed.block;
  block.assign(block_size, 0);
  // Names keep "x" and a zero in their last two bytes; the block counts as full once the write
  // position reaches the "x", and as full in any case once it has passed the block's end.
  size_t full_at = block_size;
  if (kind == TextBlockKind::kNames && block_size >= 2) {
    block[block_size - 2] = 'x';
    full_at = block_size - 2;
  }
  const uint32_t empty_entry =
      block_address + static_cast<uint32_t>(block_size ? block_size - 1 : 0);
  std::array<uint32_t, kSlotCount> addresses{};
  size_t p = 0;
  for (int s = 0; s < kSlotCount; ++s) {
    const std::string& text = entries[s];
    const int earlier = EarlierEqual(entries, s, std::equal_to<std::string>());
    if (earlier >= 0) {
      addresses[s] = addresses[earlier];
      packed.shortened[s] = packed.shortened[earlier];
      continue;
    }
    if (p >= full_at) {
      addresses[s] = empty_entry;
      packed.shortened[s] = !text.empty();
      continue;
    }
    addresses[s] = block_address + static_cast<uint32_t>(p);
    const size_t room = block_size - p;
    std::memcpy(block.data() + p, text.data(), std::min(text.size(), room));
    if (text.size() < room) {
      block[p + text.size()] = 0;
      p += text.size() + 1;
    } else {
      // Cut at the block's end; its last byte becomes the terminator.
      block[block_size - 1] = 0;
      p = block_size;
      packed.shortened[s] = true;
    }
  }
  StorePointers(addresses, packed);
  return packed;
}

PackedTable PackHorizonTable(const HorizonTable& lists, size_t block_size, uint32_t block_address) {
  PackedTable packed;
  packed.block.assign(block_size, 0);
  const size_t entries = block_size / kHorizonEntrySize;
  const size_t last_entry = entries > 0 ? (entries - 1) * kHorizonEntrySize : 0;
  std::array<uint32_t, kSlotCount> addresses{};
  size_t p = 0;
  bool full = false;
  for (int s = 0; s < kSlotCount; ++s) {
    const RomHorizonList& list = lists[s];
    const int count = std::min<int>(list.count, kMaxHorizons);
    const int earlier = EarlierEqual(lists, s, SameHorizons);
    if (earlier >= 0) {
      addresses[s] = addresses[earlier];
      packed.shortened[s] = packed.shortened[earlier];
      continue;
    }
    if (full) {
      addresses[s] = block_address + static_cast<uint32_t>(last_entry);
      packed.shortened[s] = count > 0;
      continue;
    }
    addresses[s] = block_address + static_cast<uint32_t>(p);
    // Entries go below the reserved last entry, which then ends a list that reaches it.
    const int room = static_cast<int>((last_entry - p) / kHorizonEntrySize);
    const int fit = std::min(count, room);
    for (int h = 1; h <= fit; ++h) {
      WriteHorizonEntry(&packed.block[p + (h - 1) * kHorizonEntrySize], list.image[h],
                        list.angle[h]);
    }
    p += (fit + 1) * kHorizonEntrySize;  // the list and its all-zero terminator
    if (fit < count) packed.shortened[s] = true;
    full = fit < count || p > last_entry;
  }
  StorePointers(addresses, packed);
  return packed;
}

}  // namespace kurvex
