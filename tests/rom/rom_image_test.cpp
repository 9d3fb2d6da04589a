// Refusing files that are not the game, block access in both byte orders, and the slot table.
#include "rom/rom_image.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "rom/rom_layout.h"
#include "rom_builder.h"
#include "scratch_dir.h"

namespace kurvex {
namespace {

using test::ScratchDir;
using test::TestRom;

// Reading Z64 and V64 images alike is checked by every test of the patch job.
TEST(OpenRom, RefusesFilesThatAreNotTheGameWithTheirMessages) {
  ScratchDir dir;
  for (uintmax_t size : {kRomSize - 1, 2 * kRomSize}) {
    const std::string path = dir.Path(std::to_string(size));
    std::ofstream{path};
    std::filesystem::resize_file(path, size);
    RomImage rom;
    EXPECT_EQ(rom.OpenRom(path), kRomNotFZeroX) << size;
  }
  TestRom other('E');
  other.Put(0x20, std::vector<uint8_t>(20, 'M'));
  ASSERT_TRUE(other.Write(dir.Path("other.z64")));
  ASSERT_TRUE(TestRom('D').Write(dir.Path("d.v64"), true));
  RomImage rom;
  EXPECT_EQ(rom.OpenRom(dir.Path("other.z64")), kRomNotFZeroX);
  EXPECT_EQ(rom.OpenRom(dir.Path("missing.z64")), kRomFileAccessError);
  EXPECT_EQ(rom.OpenRom(dir.path()), kRomFileAccessError);
  EXPECT_EQ(rom.OpenRom(dir.Path("d.v64")), kRomBadRegion);
  EXPECT_EQ(FileCheck(kRomBadRegion, rom.region_byte()).Text(),
            "Error: Bad region code\r\n\r\n"
            "The ROM file specified was identified as F-Zero X,\r\n"
            "but contained an unsupported region code (0x44).\r\n"
            "Please select a different file.");
  EXPECT_EQ(FileCheck(kRomFileAccessError, 0).Text(),
            "Error: File access error\r\n\r\n"
            "A file I/O error occurred while trying to open\r\n"
            "the ROM file. Make sure the file is available\r\n"
            "and not being used by other programs.");
}

TEST(RomImage, BlocksAreBoundsCheckedAndWrittenInTheImagesOrder) {
  std::vector<uint8_t> odd = {0, 1, 2, 3, 4};
  SwapBytePairs(odd.data(), odd.size());
  EXPECT_EQ(odd, std::vector<uint8_t>({1, 0, 3, 2, 4}));  // the last byte has no partner
  RomImage rom;
  EXPECT_TRUE(rom.ReadBlock(0, 2).empty());  // nothing loaded
  ASSERT_EQ(rom.Identify(TestRom('E').Image(true)), kRomOk);
  EXPECT_EQ(rom.ReadBlock(kRomSize - 4, 4).size(), 4u);
  EXPECT_TRUE(rom.ReadBlock(kRomSize - 3, 4).empty());  // one byte past the end
  const uint8_t data[] = {1, 2, 3, 4};
  EXPECT_FALSE(rom.WriteBlock(kRomSize - 3, data, 4));
  ASSERT_TRUE(rom.WriteBlock(0x100, data, 4));
  ASSERT_TRUE(rom.WriteBlock(0x105, data, 1));
  const std::vector<uint8_t>& file = rom.file_bytes();
  EXPECT_EQ(std::vector<uint8_t>(file.begin() + 0x100, file.begin() + 0x106),
            std::vector<uint8_t>({2, 1, 4, 3, 1, 0}));
  EXPECT_EQ(rom.ReadBlock(0x100, 6), std::vector<uint8_t>({1, 2, 3, 4, 0, 1}));
}

// The offsets themselves are checked against the test images.
TEST(RomLayout, RecordOffsetsAndSlotNames) {
  EXPECT_EQ(CourseRecordOffset(1, 'D'), 0u);
  EXPECT_EQ(CourseRecordOffset(25, 'J'), 0u);
  EXPECT_EQ(SlotName(7), "Queen 1");
  EXPECT_EQ(CupName(0), "Jack");
  EXPECT_EQ(CupName(23), "Joker");
  EXPECT_EQ(CupName(24), "");
  const std::pair<const char*, int> slots[] = {{"24", 24},   {"25", 0},      {"0", 0},
                                               {"1x", 0},    {"queen6", 12}, {"KING 2", 14},
                                               {"jack7", 0}, {"", 0}};
  for (const auto& [text, slot] : slots) EXPECT_EQ(SlotFromText(text), slot) << text;
}

}  // namespace
}  // namespace kurvex
