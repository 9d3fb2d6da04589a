// Random course records and table entries for DecodeCourse, in a Z64 or a V64 image. Whatever
// decodes must encode again, and the record it encodes to must be a fixed point: decoding and
// encoding it once more gives the same bytes.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "rom/course_record.h"
#include "rom/rom_layout.h"

using namespace kurvex;

namespace {

void Check(bool condition) {
  if (!condition) __builtin_trap();
}

RomImage MakeImage(bool v64) {
  std::vector<uint8_t> bytes(kRomSize);
  std::memcpy(bytes.data() + 0x20, "F-ZERO X            ", 20);
  bytes[0x3E] = 'E';
  if (v64) SwapBytePairs(bytes.data(), bytes.size());
  RomImage rom;
  Check(rom.Identify(std::move(bytes)) == kRomOk);
  return rom;
}

RomImage& Image(bool v64) {
  static RomImage z64 = MakeImage(false), swapped = MakeImage(true);
  return v64 ? swapped : z64;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  constexpr size_t kLead = 4 + kMaxHorizons;
  if (size < kLead) return 0;
  RomImage& rom = Image(data[0] & 1);
  const int slot = 1 + data[1] % kSlotCount;
  RomTables tables;
  tables.rom_music_table[slot - 1] = data[2];
  RomHorizonList& horizons = tables.rom_horizons[slot - 1];
  horizons.count = data[3] % (kMaxHorizons + 2);
  for (int h = 1; h <= kMaxHorizons; ++h) {
    horizons.image[h] = data[3 + h];
    horizons.angle[h] = 15.0f * h;
  }
  std::vector<uint8_t> record(kRawRecordSize);
  const size_t record_bytes = std::min(size - kLead, record.size());
  std::memcpy(record.data(), data + kLead, record_bytes);
  const uint8_t* text = data + kLead + record_bytes;
  const size_t text_size = size - kLead - record_bytes;
  const size_t split = std::find(text, text + text_size, 0) - text;
  tables.rom_course_names[slot - 1].assign(text, text + split);
  if (split < text_size) {
    tables.rom_course_descriptions[slot - 1].assign(text + split + 1, text + text_size);
  }

  const uint32_t offset = CourseRecordOffset(slot, 'E');
  Check(rom.WriteBlock(offset, record.data(), record.size()));
  Course course;
  if (DecodeCourse(slot, rom, tables, course) != kRomCourseOk) return 0;
  Check(EncodeCourse(slot, course, 'E', tables) == kRomCourseOk);
  const auto encoded = course.RawRecord;
  Check(rom.WriteBlock(offset, encoded.data(), encoded.size()));
  Course again;
  Check(DecodeCourse(slot, rom, tables, again) == kRomCourseOk);
  Check(EncodeCourse(slot, again, 'E', tables) == kRomCourseOk);
  Check(again.RawRecord == encoded);
  return 0;
}
