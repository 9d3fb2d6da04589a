// The patch job: what goes into the output, what is refused, and what is never touched.
#include "rom/rom_patch.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "course/course_files.h"
#include "rom/course_record.h"
#include "rom/header_checksum.h"
#include "rom_builder.h"

namespace kurvex {
namespace {

using testing::FileBytes;
using testing::RingCourse;
using testing::TestRom;

class PatchRomTest : public ::testing::Test {
 protected:
  void SetUp() override { Input(TestRom::Filled('E')); }
  void Input(const TestRom& built) {
    built_ = built;
    ASSERT_TRUE(built_.Write(In(), true));
    input_ = FileBytes(In());
  }
  std::string In() const { return dir_.Path("in.v64"); }
  std::string Out() const { return dir_.Path("out.v64"); }
  std::string Kurv(const std::string& name, const Course& course) {
    EXPECT_TRUE(SaveKurvFile(dir_.Path(name), course).ok);
    return dir_.Path(name);
  }
  PatchRequest Request() const {
    PatchRequest request;
    request.input_path = In();
    request.output_path = Out();
    return request;
  }
  // Decodes a slot of the output.
  Course Decoded(int slot, RomImage* image = nullptr) const {
    RomImage rom;
    RomTables tables;
    EXPECT_EQ(rom.OpenRom(Out()), kRomOk);
    EXPECT_EQ(ReadRomTables(rom, tables), kRomTablesOk);
    Course course;
    EXPECT_EQ(DecodeCourse(slot, rom, tables, course), kRomCourseOk);
    if (image) *image = std::move(rom);
    return course;
  }

  testing::ScratchDir dir_;
  TestRom built_{'E'};
  std::vector<uint8_t> input_;
};

TEST_F(PatchRomTest, WithoutCoursesOnlyTheTablesChange) {
  TestRom built = TestRom::Filled('E');
  built.SetNames({"same", "", "same", "shared tail"});  // re-packing moves these
  Input(built);
  const PatchOutcome outcome = PatchRom(Request());
  ASSERT_EQ(outcome.code, kPatchOk) << outcome.message;
  EXPECT_EQ(outcome.message, "");
  const std::vector<uint8_t> output = FileBytes(Out());
  ASSERT_EQ(output.size(), input_.size());
  const testing::TestLayout& l = built_.layout();
  const std::pair<uint32_t, uint32_t> tables[] = {{l.names.pointers, 96},
                                                  {l.names.block, l.names.size},
                                                  {l.descriptions.pointers, 96},
                                                  {l.descriptions.block, l.descriptions.size},
                                                  {l.horizons.pointers, 96},
                                                  {l.horizons.block, l.horizons.size},
                                                  {l.music, 24}};
  size_t changed = 0;
  for (size_t at = 0; at < output.size(); ++at) {
    if (output[at] == input_[at]) continue;
    ++changed;
    EXPECT_TRUE(
        std::any_of(std::begin(tables), std::end(tables),
                    [at](const auto& t) { return at >= t.first && at < t.first + t.second; }))
        << std::hex << at;
  }
  EXPECT_GT(changed, 0u);
  EXPECT_EQ(Decoded(3).Name, "SAME");
  EXPECT_EQ(Decoded(4).Name, "SHARED TAIL");
}

TEST_F(PatchRomTest, CoursesGoIntoTheirSlotsWithTheChecksumAndTheInputStaysAsItWas) {
  Course course = RingCourse(12, 40);
  course.Name = "PATCHED";
  PatchRequest request = Request();
  request.course_files[2] = request.course_files[23] = Kurv("a.kurv", course);
  request.checksum = true;
  const PatchOutcome outcome = PatchRom(request);
  ASSERT_EQ(outcome.code, kPatchOk) << outcome.message;
  EXPECT_TRUE(outcome.problems.empty());
  EXPECT_EQ(FileBytes(In()), input_);
  RomImage rom;
  for (int slot : {3, 24}) {
    const Course decoded = Decoded(slot, &rom);
    EXPECT_EQ(decoded.Name, "PATCHED");
    EXPECT_EQ(decoded.Points[12].X, course.Points[12].X);
  }
  EXPECT_EQ(Decoded(4).Name, "RING 4");
  EXPECT_EQ(StoredHeaderChecksum(rom), ComputeHeaderChecksum(rom));
  EXPECT_NE(StoredHeaderChecksum(rom), HeaderChecksum{});
  EXPECT_EQ(dir_.Files(), std::vector<std::string>({"a.kurv", "in.v64", "out.v64"}));
}

TEST_F(PatchRomTest, SlotsThatCannotBePatchedAreListedAndKeepTheInputsCourse) {
  PatchRequest request = Request();
  request.course_files[5] = dir_.Path("missing.kurv");
  request.course_files[1] = Kurv("good.kurv", RingCourse(9, 30));
  request.course_files[6] = "wide";
  request.loader = [](const std::string& source, Course& course) {
    if (source != "wide") return LoadKurvFile(source, course);
    course = RingCourse(5, 2);
    course.Points[1].LeftWidth = 70000;  // a loader may deliver what the record cannot hold
    return FileOutcome{};
  };
  const PatchOutcome outcome = PatchRom(request);
  ASSERT_EQ(outcome.code, kPatchOk) << outcome.message;
  EXPECT_EQ(outcome.message,
            "The following courses encountered\r\nerrors while attempting to patch:\r\n\r\n"
            "Jack 6\r\nQueen 1 (the course does not fit the game's course record)");
  ASSERT_EQ(outcome.problems.size(), 2u);
  EXPECT_EQ(outcome.problems[0].message.substr(0, 21), "Error: File not found");
  EXPECT_EQ(Decoded(2).PointCount, 9);
  EXPECT_EQ(Decoded(6).PointCount, 10);
  EXPECT_EQ(Decoded(7).Name, "RING 7");
}

TEST_F(PatchRomTest, FullTablesAreReportedPerSlotAndNotWrittenPast) {
  TestRom built = TestRom::Filled('E');
  const testing::TestTable& names = built.layout().names;
  built.PutByte(names.block + names.size, 0xEE);
  Input(built);
  PatchRequest request = Request();
  for (int s = 0; s < 24; ++s) {
    Course course = RingCourse(4, s);
    course.Name = std::string(30, static_cast<char>('A' + s));
    request.course_files[s] = Kurv(std::to_string(s) + ".kurv", course);
  }
  const PatchOutcome outcome = PatchRom(request);
  ASSERT_EQ(outcome.code, kPatchOk);
  ASSERT_EQ(outcome.problems.size(), 12u);  // 12 names of 31 bytes fit in 400
  EXPECT_EQ(outcome.problems[0].slot, 13);
  EXPECT_NE(outcome.message.find("\r\nKing 1 (name, description or horizons cut to fit the ROM)"),
            std::string::npos);
  RomImage rom;
  EXPECT_EQ(Decoded(13, &rom).Name, std::string(27, 'M'));  // cut at the block's end
  EXPECT_EQ(Decoded(14).Name, "");
  EXPECT_EQ(rom.ReadBlock(names.block + names.size, 1)[0], 0xEE);
}

TEST_F(PatchRomTest, AnOutputThatIsTheInputIsRefusedInAnySpelling) {
  std::filesystem::create_symlink(In(), dir_.Path("link.v64"));
  for (const std::string& out : {dir_.path() + "/./in.v64", dir_.Path("link.v64")}) {
    PatchRequest request = Request();
    request.output_path = out;
    const PatchOutcome outcome = PatchRom(request);
    EXPECT_EQ(outcome.code, kPatchSameFile) << out;
    EXPECT_EQ(outcome.message.substr(0, 30), "Error with Output ROM file\r\n\r\n");
  }
  EXPECT_EQ(FileBytes(In()), input_);
}

TEST_F(PatchRomTest, BadInputsAndUnwritableOutputsWriteNothing) {
  ASSERT_TRUE(TestRom('D').Write(dir_.Path("d.z64")));
  TestRom wild = TestRom::Filled('E');
  wild.PutU32(wild.layout().horizons.pointers, 0);
  ASSERT_TRUE(wild.Write(dir_.Path("wild.z64")));
  PatchRequest request = Request();
  request.input_path = dir_.Path("d.z64");
  PatchOutcome outcome = PatchRom(request);
  EXPECT_EQ(outcome.code, kPatchInputError);
  EXPECT_EQ(outcome.message, FileCheck(kRomBadRegion, 'D'));
  request.input_path = dir_.Path("wild.z64");
  EXPECT_EQ(PatchRom(request).code, kPatchInputError);
  request = Request();
  request.output_path = dir_.Path("no/such/folder/out.z64");
  EXPECT_EQ(PatchRom(request).code, kPatchWriteError);
  EXPECT_EQ(dir_.Files(), std::vector<std::string>({"d.z64", "in.v64", "wild.z64"}));
}

TEST(FNSuff, InsertsTheSuffixBeforeTheFileNamesExtension) {
  EXPECT_EQ(FNSuff("c:\\roms\\fzx.z64", "_mfd"), "c:\\roms\\fzx_mfd.z64");
  EXPECT_EQ(FNSuff("/roms/fzx.v64.z64", "_mfd"), "/roms/fzx.v64_mfd.z64");
  EXPECT_EQ(FNSuff("/roms.old/fzx", "_mfd"), "/roms.old/fzx_mfd");
}

}  // namespace
}  // namespace kurvex
