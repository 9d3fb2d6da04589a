// The patch job: what goes into the output, what is refused, and what is never touched.
#include "rom/rom_patch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "course/course_files.h"
#include "course/datasheet.h"
#include "course/validate.h"
#include "rom/course_record.h"
#include "rom/header_checksum.h"
#include "rom_builder.h"
#include "test_courses.h"
#include "scratch_dir.h"

namespace kurvex {
namespace {

using test::FileBytes;
using test::RecordOf;
using test::SeededRingCourse;
using test::TestRom;

class PatchRomTest : public ::testing::Test {
 protected:
  void SetUp() override { Input(TestRom::Filled('E')); }
  void Input(const TestRom& built, bool v64 = true) {
    ASSERT_TRUE(built.Write(In(), v64));
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

  test::ScratchDir dir_;
  std::vector<uint8_t> input_;
};

TEST_F(PatchRomTest, WithoutCoursesOnlyTheTablesChange) {
  TestRom built = TestRom::Filled('E');
  built.SetNames({"same", "", "same", "shared tail"});  // re-packing moves these
  Input(built);
  const PatchOutcome outcome = PatchRom(Request());
  ASSERT_EQ(outcome.code, kPatchOk) << outcome.message.Text();
  EXPECT_EQ(outcome.message.Text(), "");
  const std::vector<uint8_t> output = FileBytes(Out());
  ASSERT_EQ(output.size(), input_.size());
  const test::TestLayout& l = built.layout();
  std::vector<std::pair<uint32_t, uint32_t>> tables = {{l.music, 24}};  // [start, start + size)
  for (const test::TestTable& t : {l.names, l.descriptions, l.horizons}) {
    tables.insert(tables.end(), {{t.pointers, 96}, {t.block, t.size}});
  }
  size_t changed = 0;
  for (size_t at = 0; at < output.size(); ++at) {
    if (output[at] == input_[at]) continue;
    ++changed;
    EXPECT_TRUE(
        std::any_of(tables.begin(), tables.end(),
                    [at](const auto& t) { return at >= t.first && at < t.first + t.second; }))
        << std::hex << at;
  }
  EXPECT_GT(changed, 0u);
  EXPECT_EQ(Decoded(3).Name, "SAME");
  EXPECT_EQ(Decoded(4).Name, "SHARED TAIL");
}

// In every region and byte order: the patched slots decode to the course (with the region
// rules: 'J' keeps JDescription, 'E' and 'P' keep Description), an untouched slot decodes from
// where the builder put it, and no write reaches a guard.
TEST_F(PatchRomTest, CoursesGoIntoTheirSlotsInEveryRegionAndByteOrderWithTheChecksum) {
  Course course = SeededRingCourse(64, 11);
  course.Name = "LONG WAY \xFC";
  course.Description = "GO 2 LAPS";
  course.JDescription = "\xB1\xFF";
  course.HorizonCount = 2;
  course.HorizonImage = {0, 3, 4};
  course.HorizonAngle = {0, -90.25f, 1e-3f};
  ValidateCourse(course);
  PatchRequest request = Request();
  request.course_files[2] = request.course_files[23] = "long way";
  request.loader = [&course](const std::string&, Course& loaded) {
    loaded = course;
    return FileOutcome{};
  };
  request.checksum = true;
  for (char region : {'J', 'E', 'P'}) {
    for (bool v64 : {false, true}) {
      SCOPED_TRACE(std::string(1, region) + (v64 ? " V64" : " Z64"));
      const TestRom built = TestRom::Filled(region);
      Input(built, v64);
      const PatchOutcome outcome = PatchRom(request);
      ASSERT_EQ(outcome.code, kPatchOk) << outcome.message.Text();
      EXPECT_TRUE(outcome.problems.empty());
      EXPECT_EQ(FileBytes(In()), input_);
      Course expected = course;
      (region == 'J' ? expected.Description : expected.JDescription).clear();
      expected.Source.clear();
      RomImage rom;
      for (int slot : {3, 24}) {
        const Course decoded = Decoded(slot, &rom);
        EXPECT_EQ(GenDatasheet(decoded), GenDatasheet(expected)) << slot;
        EXPECT_EQ(std::vector<uint8_t>(decoded.RawRecord.begin(), decoded.RawRecord.end()),
                  RecordOf(course));
      }
      const Course untouched = Decoded(7);  // read where the builder put it
      EXPECT_EQ(RecordOf(untouched), RecordOf(SeededRingCourse(11, 7)));
      EXPECT_TRUE(std::equal(untouched.RawRecord.begin(), untouched.RawRecord.end(),
                             built.z64().begin() + built.RecordOffset(7)));
      EXPECT_EQ(untouched.Name, "RING 7");
      EXPECT_EQ(untouched.RomMusic, 7);
      EXPECT_EQ(untouched.HorizonCount, 3);
      EXPECT_EQ(untouched.HorizonImage[3], 10);
      EXPECT_EQ(rom.byte_swapped(), v64);
      for (uint32_t at : built.Guards()) EXPECT_EQ(rom.ReadBlock(at, 1)[0], 0xEE) << at;
      EXPECT_EQ(StoredHeaderChecksum(rom), ComputeHeaderChecksum(rom));
      EXPECT_NE(StoredHeaderChecksum(rom), HeaderChecksum{});
    }
  }
  EXPECT_EQ(dir_.Files(), std::vector<std::string>({"in.v64", "out.v64"}));
}

TEST_F(PatchRomTest, SlotsThatCannotBePatchedAreListedAndKeepTheInputsCourse) {
  PatchRequest request = Request();
  request.course_files[5] = dir_.Path("missing.kurv");
  request.course_files[1] = Kurv("good.kurv", SeededRingCourse(9, 30));
  request.course_files[6] = "wide";
  request.loader = [](const std::string& source, Course& course) {
    if (source != "wide") return LoadKurvFile(source, course);
    course = SeededRingCourse(5, 2);
    course.Points[1].LeftWidth = 70000;  // a loader may deliver what the record cannot hold
    return FileOutcome{};
  };
  const PatchOutcome outcome = PatchRom(request);
  ASSERT_EQ(outcome.code, kPatchOk) << outcome.message.Text();
  EXPECT_EQ(outcome.message.Text(),
            "The following courses encountered\r\nerrors while attempting to patch:\r\n\r\n"
            "Jack 6\r\nQueen 1 (the course does not fit the game's course record)");
  ASSERT_EQ(outcome.problems.size(), 2u);
  EXPECT_EQ(outcome.problems[0].message.Text().substr(0, 21), "Error: File not found");
  EXPECT_EQ(Decoded(2).PointCount, 9);
  EXPECT_EQ(Decoded(6).PointCount, 10);
  EXPECT_EQ(Decoded(7).Name, "RING 7");
}

TEST_F(PatchRomTest, FullTablesAreReportedPerSlotAndNotWrittenPast) {
  PatchRequest request = Request();
  for (int s = 0; s < 24; ++s) {
    Course course = SeededRingCourse(4, s);
    course.Name = std::string(30, static_cast<char>('A' + s));
    request.course_files[s] = Kurv(std::to_string(s) + ".kurv", course);
  }
  const PatchOutcome outcome = PatchRom(request);
  ASSERT_EQ(outcome.code, kPatchOk);
  ASSERT_EQ(outcome.problems.size(), 12u);  // 12 names of 31 bytes fit in 400
  EXPECT_EQ(outcome.problems[0].slot, 13);
  EXPECT_NE(outcome.message.Text().find("\r\nKing 1 (name, description or horizons cut to fit the ROM)"),
            std::string::npos);
  RomImage rom;
  EXPECT_EQ(Decoded(13, &rom).Name, std::string(27, 'M'));  // cut at the block's end
  EXPECT_EQ(Decoded(14).Name, "");
  for (uint32_t at : TestRom('E').Guards()) EXPECT_EQ(rom.ReadBlock(at, 1)[0], 0xEE) << at;
}

TEST_F(PatchRomTest, AnOutputThatIsTheInputIsRefusedInAnySpelling) {
  std::vector<std::string> outputs = {dir_.path() + "/./in.v64"};
  if (test::SymlinksAvailable()) {
    std::filesystem::create_symlink(In(), dir_.Path("link.v64"));
    outputs.push_back(dir_.Path("link.v64"));
  }
  for (const std::string& out : outputs) {
    PatchRequest request = Request();
    request.output_path = out;
    const PatchOutcome outcome = PatchRom(request);
    EXPECT_EQ(outcome.code, kPatchSameFile) << out;
    EXPECT_EQ(outcome.message.Text().substr(0, 30), "Error with Output ROM file\r\n\r\n");
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
  EXPECT_EQ(outcome.message.Text(), FileCheck(kRomBadRegion, 'D').Text());
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
