// Reading the name, description, horizon and music tables, and re-packing them into their
// fixed blocks.
#include "rom/rom_tables.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "course/byte_buffer.h"
#include "rom/rom_course_loader.h"
#include "rom_builder.h"
#include "scratch_dir.h"

namespace kurvex {
namespace {

using test::TestRom;

RomTables Read(const TestRom& built, int16_t expected = kRomTablesOk) {
  RomImage rom;
  EXPECT_EQ(rom.Identify(built.Image(true)), kRomOk);
  RomTables tables;
  EXPECT_EQ(ReadRomTables(rom, tables), expected);
  return tables;
}

TEST(ReadRomTables, ReadsEveryTableOfEveryRegion) {
  for (char region : {'J', 'E', 'P'}) {
    const RomTables tables = Read(TestRom::Filled(region));
    for (int slot = 1; slot <= 24; ++slot) {
      const int s = slot - 1;
      EXPECT_EQ(tables.rom_course_names[s], "ring " + std::to_string(slot));
      EXPECT_EQ(tables.rom_course_descriptions[s], "Lap " + std::to_string(slot) + ".");
      EXPECT_EQ(tables.rom_music_table[s], slot % 9);
      const RomHorizonList& list = tables.rom_horizons[s];
      ASSERT_EQ(list.count, slot % 4) << region << slot;
      if (list.count) EXPECT_EQ(list.image[list.count], slot + list.count);
      if (list.count) EXPECT_EQ(list.angle[list.count], 30.0f * list.count);
    }
  }
}

TEST(ReadRomTables, HorizonListsEndAtZeroAtSixEntriesAndAtTheBlockEnd) {
  TestRom built('E');
  test::TestHorizonLists lists;
  lists[0].assign(1, {0, 1.0f});  // image 0 ends the list at once
  lists[1].assign(8, {7, 45.0f});
  built.SetHorizons(lists);
  const test::TestTable& block = built.layout().horizons;
  built.PutU32(block.pointers + 8, block.address + block.size - 8);  // no terminator follows
  built.Put(block.block + block.size - 7, {9});
  const RomTables tables = Read(built);
  EXPECT_EQ(tables.rom_horizons[0].count, 0);
  EXPECT_EQ(tables.rom_horizons[1].count, 6);
  EXPECT_EQ(tables.rom_horizons[2].count, 1);
}

// The course loader reads such an image anyway (the patch job refuses it).
TEST(ReadRomTables, WildPointersAndUnterminatedTextsAreReportedNotFollowed) {
  TestRom built = TestRom::Filled('J');
  const test::TestLayout& at = built.layout();
  built.PutU32(at.names.pointers, at.names.address - 1);
  built.PutU32(at.descriptions.pointers + 4, at.descriptions.address + at.descriptions.size);
  built.PutU32(at.horizons.pointers + 8, 0xFFFFFFFF);
  built.PutU32(at.names.pointers + 12, at.names.address + at.names.size - 4);
  built.Put(at.names.block + at.names.size - 4, {'a', 'b', 'c', 'd'});  // no zero after it
  const RomTables tables = Read(built, kRomTablesDamaged);
  EXPECT_EQ(tables.rom_course_names[0], "");
  EXPECT_EQ(tables.rom_course_descriptions[1], "");
  EXPECT_EQ(tables.rom_horizons[2].count, 0);
  EXPECT_EQ(tables.rom_course_names[3], "");
  EXPECT_EQ(tables.rom_course_names[4], "ring 5");
  test::ScratchDir dir;
  ASSERT_TRUE(built.Write(dir.Path("wild.z64")));
  Course course;
  const FileOutcome loaded = LoadCourseFromRom(dir.Path("wild.z64"), 1, course);
  ASSERT_TRUE(loaded.ok) << loaded.message.Text();
  EXPECT_EQ(course.Name, "");
  EXPECT_EQ(course.PointCount, 5);
}

uint32_t PointerOf(const PackedTable& packed, int slot) {
  return LoadBigEndian32(&packed.pointers[4 * (slot - 1)]);
}

TEST(PackTextTable, EqualTextsShareOneCopy) {
  TextTable names;
  names[0] = names[4] = "mute city";
  names[1] = "big blue";
  const PackedTable packed = PackTextTable(names, TextBlockKind::kNames, 400, 0x800D4310);
  EXPECT_EQ(PointerOf(packed, 5), 0x800D4310u);
  EXPECT_EQ(PointerOf(packed, 2), 0x800D4310u + 10);
  EXPECT_EQ(PointerOf(packed, 4), 0x800D4310u + 19);  // every empty name shares one zero
  const std::string block(packed.block.begin(), packed.block.end());
  EXPECT_EQ(block.substr(0, 20), std::string("mute city\0big blue\0\0", 20));
  EXPECT_EQ(block.substr(398), std::string("x\0", 2));
}

TEST(PackTextTable, AFullBlockCutsOneTextAndLaterSlotsFallBackInsideIt) {
  for (TextBlockKind kind : {TextBlockKind::kNames, TextBlockKind::kDescriptions}) {
    TextTable texts;
    for (int s = 0; s < 24; ++s) texts[s] = std::string(30, static_cast<char>('a' + s));
    texts[20] = texts[2];  // already in the block: still shared once it is full
    texts[22].clear();     // empty: falling back loses nothing
    const PackedTable packed = PackTextTable(texts, kind, 368, 0x1000);
    TextTable read;
    ASSERT_TRUE(ReadTextTable(packed.pointers.data(), packed.block.data(), 368, 0x1000, read));
    EXPECT_EQ(read[10], texts[10]);
    EXPECT_EQ(read[11], std::string(26, 'l'));  // starts at 341, cut at the block's end
    EXPECT_EQ(PointerOf(packed, 13), 0x1000u + 367);
    EXPECT_EQ(read[20], texts[2]);
    for (int slot = 1; slot <= 24; ++slot) {
      EXPECT_EQ(packed.shortened[slot - 1], slot >= 12 && slot != 21 && slot != 23) << slot;
    }
  }
  TextTable names;
  names[0] = std::string(398, 'n');  // runs over the closing "x" up to the last byte
  names[1] = "late";
  const PackedTable packed = PackTextTable(names, TextBlockKind::kNames, 400, 0);
  EXPECT_EQ(packed.block[397], 'n');
  EXPECT_EQ(packed.block[398], 0);
  EXPECT_EQ(PointerOf(packed, 2), 399u);
  EXPECT_TRUE(packed.shortened[1]);
}

// In 800 bytes slot 15's list is cut to one entry; 784 bytes end just after slot 14's list.
TEST(PackHorizonTable, AFullBlockEndsInAnEmptyListThatLaterSlotsShare) {
  HorizonTable lists;
  for (int s = 0; s < 24; ++s) {  // 56 bytes each with the terminator
    lists[s].count = 6;
    for (int h = 1; h <= 6; ++h) lists[s].image[h] = static_cast<uint8_t>(s + h);
  }
  lists[20] = lists[1];
  lists[22] = RomHorizonList{};
  for (uint32_t size : {800, 784}) {
    const PackedTable packed = PackHorizonTable(lists, size, 0x80140B00);
    HorizonTable read;
    ASSERT_TRUE(
        ReadHorizonTable(packed.pointers.data(), packed.block.data(), size, 0x80140B00, read));
    EXPECT_TRUE(SameHorizons(read[13], lists[13]));
    EXPECT_EQ(read[14].count, size == 800 ? 1 : 0);
    EXPECT_TRUE(
        std::all_of(packed.block.end() - 8, packed.block.end(), [](uint8_t b) { return !b; }));
    EXPECT_EQ(PointerOf(packed, 16), 0x80140B00u + size - 8);
    EXPECT_TRUE(SameHorizons(read[20], lists[1]));
    for (int slot = 1; slot <= 24; ++slot) {
      EXPECT_EQ(packed.shortened[slot - 1], slot >= 15 && slot != 21 && slot != 23) << slot;
    }
  }
}

}  // namespace
}  // namespace kurvex
