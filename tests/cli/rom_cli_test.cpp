// kurvex-cli on ROM images: rom-info, extract, patch, checksum and ROMPATH@SLOT courses.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "course/course_files.h"
#include "process_runner.h"
#include "rom/header_checksum.h"
#include "rom/rom_layout.h"
#include "rom_builder.h"
#include "scratch_dir.h"
#include "test_courses.h"

namespace kurvex {
namespace {

using test::ProcessResult;
using test::TestRom;

class RomCliTest : public ::testing::Test {
 protected:
  static ProcessResult Cli(const std::vector<std::string>& args) {
    return test::RunProgram(KURVEX_CLI, args);
  }
  std::string Path(const std::string& name) const { return dir_.Path(name); }
  std::string Rom(char region, bool v64) const {
    const std::string path = Path(std::string(1, region) + (v64 ? ".v64" : ".z64"));
    EXPECT_TRUE(TestRom::Filled(region).Write(path, v64));
    return path;
  }

  test::ScratchDir dir_;
};

TEST_F(RomCliTest, RomInfoNamesRegionByteOrderAndEverySlot) {
  for (const char* region : {"J (Japanese)", "E (North American)", "P (PAL)"}) {
    for (bool v64 : {false, true}) {
      const ProcessResult info = Cli({"rom-info", Rom(region[0], v64)});
      ASSERT_EQ(info.exit_status, 0) << info.err;
      std::string expected =
          std::string("Region: ") + region + "\nByte order: " + (v64 ? "V64" : "Z64") + "\n";
      for (int slot = 1; slot <= 24; ++slot) {
        expected += SlotName(slot) + ": RING " + std::to_string(slot) + "\n";
      }
      EXPECT_EQ(info.out, expected);
    }
  }
}

TEST_F(RomCliTest, ExtractWritesEverySlotAndSheetReadsSlotsDirectly) {
  const std::string rom = Rom('P', true);
  const ProcessResult extracted = Cli({"extract", rom, Path("out")});
  ASSERT_EQ(extracted.exit_status, 0) << extracted.err;
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(Path("out")), {}), 24);
  EXPECT_TRUE(std::filesystem::exists(Path("out/01-Jack1.kurv")));
  EXPECT_TRUE(std::filesystem::exists(Path("out/07-Queen1.kurv")));
  const ProcessResult from_file = Cli({"sheet", Path("out/24-Joker6.kurv")});
  const ProcessResult by_number = Cli({"sheet", rom + "@24"});
  EXPECT_EQ(by_number.exit_status, 0) << by_number.err;
  EXPECT_EQ(by_number.out.substr(0, 16), "Name = RING 24\r\n");
  EXPECT_EQ(by_number.out, from_file.out);
  EXPECT_EQ(Cli({"sheet", rom + "@joker6"}).out, from_file.out);
}

TEST_F(RomCliTest, PatchWithChecksumGivesAnImageThatChecksumAccepts) {
  const std::string in = Rom('J', true), out = Path("out.v64");
  ASSERT_TRUE(SaveKurvFile(Path("x.kurv"), test::SeededRingCourse(8, 50)).ok);
  const ProcessResult patched = Cli({"patch", in, out, "--slot", "queen1=" + Path("x.kurv"),
                                     "--slot", "2=" + in + "@Jack3", "--checksum"});
  ASSERT_EQ(patched.exit_status, 0) << patched.err;
  EXPECT_EQ(patched.out + patched.err, "");
  const ProcessResult info = Cli({"rom-info", out});
  EXPECT_NE(info.out.find("Jack 2: RING 3\nJack 3: RING 3\n"), std::string::npos) << info.out;
  EXPECT_NE(info.out.find("Queen 1: \n"), std::string::npos);  // the ring has no name
  RomImage rom;
  ASSERT_EQ(rom.OpenRom(out), kRomOk);
  const HeaderChecksum sum = ComputeHeaderChecksum(rom);
  char expected[128];
  std::snprintf(expected, sizeof expected,
                "CRC1 stored %08X computed %08X\nCRC2 stored %08X computed %08X\n", sum.crc1,
                sum.crc1, sum.crc2, sum.crc2);
  const ProcessResult checked = Cli({"checksum", out});
  EXPECT_EQ(checked.exit_status, 0);
  EXPECT_EQ(checked.out, expected);
}

TEST_F(RomCliTest, ChecksumFailsOnAMismatchUntilFixed) {
  const std::string rom = Rom('E', true);
  const std::vector<uint8_t> before = test::FileBytes(rom);
  const ProcessResult stale = Cli({"checksum", rom});
  EXPECT_EQ(stale.exit_status, 1);
  EXPECT_EQ(stale.out.substr(0, 30), "CRC1 stored 00000000 computed ");
  EXPECT_EQ(test::FileBytes(rom), before);
  EXPECT_EQ(Cli({"checksum", rom, "--fix"}).exit_status, 0);
  EXPECT_EQ(Cli({"checksum", rom}).exit_status, 0);
  RomImage image;
  ASSERT_EQ(image.OpenRom(rom), kRomOk);
  EXPECT_TRUE(image.byte_swapped());
}

TEST_F(RomCliTest, FailuresAndUsageErrorsHaveTheirExitStatus) {
  const ProcessResult missing = Cli({"rom-info", Path("missing.z64")});
  EXPECT_EQ(missing.exit_status, 1);
  EXPECT_EQ(missing.err, Path("missing.z64") + ": No such file or directory\n" +
                             FileCheck(kRomFileAccessError, 0).Text("\n") + "\n");
  const std::string rom = Rom('E', false);
  const ProcessResult slot = Cli({"sheet", rom + "@jack7"});
  EXPECT_EQ(slot.exit_status, 1);
  EXPECT_EQ(slot.err.substr(0, slot.err.find('\n', slot.err.find('\n') + 1)),
            rom + "@jack7: no such course slot\nError: Unknown course slot");
  EXPECT_EQ(Cli({"patch", rom, Path("o.z64"), "--slot", "25=x.kurv"}).exit_status, 2);
  EXPECT_EQ(Cli({"patch", rom, Path("o.z64"), "--slot", "1=a", "--slot", "jack1=b"}).exit_status,
            2);
  EXPECT_EQ(Cli({"checksum", rom, "--repair"}).exit_status, 2);
  EXPECT_EQ(Cli({"patch", rom, rom}).err,
            rom +
                ": the input ROM itself\nError with Output ROM file\n\n"
                "Input ROM and Output ROM cannot be\nThe same. Please specify a different\n"
                "Output ROM.\n");
}

// All or nothing: a course that cannot be read (missing, or a text that is no track text)
// leaves an existing OUT byte for byte; --partial writes the rest as the window does. Lines of
// a sheet that were not taken as written are notices, and the patch succeeds.
TEST_F(RomCliTest, PatchIsAllOrNothingUnlessPartial) {
  const std::string in = Rom('E', false), out = Path("out.z64");
  ASSERT_TRUE(test::WriteText(out, "an older output"));
  ASSERT_TRUE(SaveKurvFile(Path("good.kurv"), test::SeededRingCourse(8, 3)).ok);
  ASSERT_TRUE(test::WriteText(Path("garbage.txt"), std::string(5000, '\x9F') + "\n#!?\n"));
  const std::string missing = Path("missing.kurv");
  const ProcessResult refused = Cli({"patch", in, out, "--slot", "1=" + Path("good.kurv"), "--slot",
                                     "3=" + Path("garbage.txt"), "--slot", "6=" + missing});
  EXPECT_EQ(refused.exit_status, 1);
  EXPECT_EQ(refused.err,
            Path("garbage.txt") +
                ": not a track text file\n"
                "Error: Not a track text file\n\n"
                "The file selected holds no line of a track text\n"
                "file (such as Name = or CTL_Point_Count =).\n"
                "Please select a different file.\n" +
                missing +
                ": No such file or directory\n"
                "Error: File not found\n\n"
                "The file selected could not be found.\nPlease select a different file.\n"
                "Error: Courses could not be patched\n\n"
                "The following courses encountered\nerrors while attempting to patch:\n\n"
                "Jack 3\nJack 6\n\nNothing was written.\n");
  EXPECT_EQ(test::FileBytes(out), std::vector<uint8_t>({'a', 'n', ' ', 'o', 'l', 'd', 'e', 'r', ' ',
                                                        'o', 'u', 't', 'p', 'u', 't'}));

  const ProcessResult partial = Cli({"patch", in, out, "--partial", "--slot",
                                     "1=" + Path("good.kurv"), "--slot", "6=" + missing});
  EXPECT_EQ(partial.exit_status, 1);
  EXPECT_NE(partial.err.find("errors while attempting to patch:\n\nJack 6\n"), std::string::npos);
  EXPECT_NE(Cli({"rom-info", out}).out.find("Jack 1: \nJack 2: RING 2\n"), std::string::npos);

  std::string big = "CTL_Point_Count = 65\n";
  for (int i = 1; i <= 65; ++i)
    big += "CTL_Point " + std::to_string(i) + "\nX = " + std::to_string(i) + "\n";
  ASSERT_TRUE(test::WriteText(Path("big.txt"), big));
  const ProcessResult noticed = Cli({"patch", in, out, "--slot", "2=" + Path("big.txt")});
  EXPECT_EQ(noticed.exit_status, 0) << noticed.err;
  EXPECT_EQ(noticed.err,
            Path("big.txt") + ": line 1: CTL_Point_Count = 65 is outside 4..64; read as 4\n" +
                Path("big.txt") +
                ": line 10: CTL_Point 5 and the 60 blocks after it are outside 1..4; their lines "
                "change point 4\n");
}

}  // namespace
}  // namespace kurvex
