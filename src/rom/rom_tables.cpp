#include "rom/rom_tables.h"

#include <vector>

#include "course/message.h"

namespace kurvex {

namespace {

struct TableBytes {
  std::vector<uint8_t> pointers;
  std::vector<uint8_t> block;
};

TableBytes ReadTableBytes(const RomImage& rom, const TableLocation& at) {
  return {rom.ReadBlock(at.pointer_table, kPointerTableSize),
          rom.ReadBlock(at.block, at.block_size)};
}

bool WritePacked(RomImage& rom, const TableLocation& at, const PackedTable& packed) {
  return rom.WriteBlock(at.pointer_table, packed.pointers.data(), packed.pointers.size()) &&
         rom.WriteBlock(at.block, packed.block.data(), packed.block.size());
}

void MarkShortened(const PackedTable& packed, ShortenedSlots& shortened) {
  for (int s = 0; s < kSlotCount; ++s) shortened[s] = shortened[s] || packed.shortened[s];
}

}  // namespace

std::string RomTablesResultText(int code) {
  switch (code) {
    case kRomTablesUnknownError:
      return "Unknown error";
    case kRomTablesOk:
      return "Successful";
    case kRomTablesDamaged:
      return "Damaged course tables";
    default:
      return "(Invalid error number)";
  }
}

Message RomTablesMessage(int code) {
  switch (code) {
    case kRomTablesUnknownError:
      return MakeMessage("Error: (Unknown)", {"An unknown error occurred while trying to read",
                                              "the course tables of the ROM file."});
    case kRomTablesDamaged:
      return MakeMessage(
          "Error: Damaged course tables",
          {"The course name, description or horizon tables of",
           "the ROM file point outside their blocks. Please", "select a different file."});
    default:
      return {};
  }
}

int16_t ReadRomTables(const RomImage& rom, RomTables& tables) {
  const RegionLayout* layout = RegionLayoutFor(rom.region());
  if (!layout || !rom.loaded()) return kRomTablesUnknownError;
  bool ok = true;
  const TableBytes names = ReadTableBytes(rom, layout->names);
  ok &= ReadTextTable(names.pointers.data(), names.block.data(), names.block.size(),
                      layout->names.block_address, tables.rom_course_names);
  const TableBytes descriptions = ReadTableBytes(rom, layout->descriptions);
  ok &= ReadTextTable(descriptions.pointers.data(), descriptions.block.data(),
                      descriptions.block.size(), layout->descriptions.block_address,
                      tables.rom_course_descriptions);
  const TableBytes horizons = ReadTableBytes(rom, layout->horizons);
  ok &= ReadHorizonTable(horizons.pointers.data(), horizons.block.data(), horizons.block.size(),
                         layout->horizons.block_address, tables.rom_horizons);
  rom.ReadBlock(layout->music, tables.rom_music_table.data(), kSlotCount);
  return ok ? kRomTablesOk : kRomTablesDamaged;
}

int16_t WriteRomTables(RomImage& rom, const RomTables& tables, ShortenedSlots* shortened) {
  const RegionLayout* layout = RegionLayoutFor(rom.region());
  if (!layout || !rom.loaded()) return kRomTablesUnknownError;
  const PackedTable names = PackTextTable(tables.rom_course_names, TextBlockKind::kNames,
                                          layout->names.block_size, layout->names.block_address);
  const PackedTable descriptions =
      PackTextTable(tables.rom_course_descriptions, TextBlockKind::kDescriptions,
                    layout->descriptions.block_size, layout->descriptions.block_address);
  const PackedTable horizons = PackHorizonTable(tables.rom_horizons, layout->horizons.block_size,
                                                layout->horizons.block_address);
  const bool written = WritePacked(rom, layout->names, names) &&
                       WritePacked(rom, layout->descriptions, descriptions) &&
                       WritePacked(rom, layout->horizons, horizons) &&
                       rom.WriteBlock(layout->music, tables.rom_music_table.data(), kSlotCount);
  if (shortened) {
    shortened->fill(false);
    for (const PackedTable* packed : {&names, &descriptions, &horizons}) {
      MarkShortened(*packed, *shortened);
    }
  }
  return written ? kRomTablesOk : kRomTablesUnknownError;
}

}  // namespace kurvex
