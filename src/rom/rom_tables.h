#pragma once
// The per-slot course names, descriptions, horizon lists and music numbers of an image, read
// for its region and written back re-packed into their fixed blocks.

#include <array>
#include <cstdint>
#include <string>

#include "course/message.h"
#include "rom/rom_image.h"
#include "rom/rom_layout.h"
#include "rom/table_codec.h"

namespace kurvex {

struct RomTables {
  TextTable rom_course_names;         // raw name bytes, index slot - 1
  TextTable rom_course_descriptions;  // raw description bytes
  HorizonTable rom_horizons;
  std::array<uint8_t, kSlotCount> rom_music_table{};
};

enum RomTablesResult : int16_t {
  kRomTablesUnknownError = -1,  // no image loaded, or a region without a layout
  kRomTablesOk = 0,
  kRomTablesDamaged = 1,  // a pointer outside its block or an unterminated text
};

std::string RomTablesResultText(int code);
// The user message of a ReadRomTables result (title, empty line, body); empty for kRomTablesOk.
Message RomTablesMessage(int code);

// Fills every table for the image's region, in the order names, descriptions, horizons, music.
// Entries that could not be read are left empty and give kRomTablesDamaged.
int16_t ReadRomTables(const RomImage& rom, RomTables& tables);

// Per slot: its name, description or horizon list did not fit and was cut or left empty.
using ShortenedSlots = std::array<bool, kSlotCount>;

// Re-packs the names, descriptions and horizons into their blocks and writes each pointer table
// and block, then the music table. Returns kRomTablesUnknownError when the image has no layout.
int16_t WriteRomTables(RomImage& rom, const RomTables& tables, ShortenedSlots* shortened = nullptr);

}  // namespace kurvex
