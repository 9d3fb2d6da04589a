// Decoding cup courses from images and encoding them back.
#include "rom/course_record.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "course/datasheet.h"
#include "course/validate.h"
#include "rom_builder.h"

namespace kurvex {
namespace {

using testing::RecordOf;
using testing::RingCourse;
using testing::TestRom;

struct Opened {
  RomImage rom;
  RomTables tables;
};

Opened Open(const TestRom& built, bool v64 = false) {
  Opened opened;
  EXPECT_EQ(opened.rom.Identify(built.Image(v64)), kRomOk);
  EXPECT_EQ(ReadRomTables(opened.rom, opened.tables), kRomTablesOk);
  return opened;
}

TEST(DecodeCourse, ReadsTheRecordAndTheTablesOfTheSlot) {
  const TestRom built = TestRom::Filled('E');
  const Opened opened = Open(built, true);
  Course course;
  ASSERT_EQ(DecodeCourse(23, opened.rom, opened.tables, course), kRomCourseOk);
  const Course expected = RingCourse(7, 23);
  EXPECT_EQ(course.HeaderByte, 23);
  EXPECT_EQ(course.Sky, 7);
  ASSERT_EQ(course.PointCount, 7);
  for (int i = 1; i <= 7; ++i) {
    EXPECT_EQ(course.Points[i].X, expected.Points[i].X);
    EXPECT_EQ(course.Points[i].TrackCode, expected.Points[i].TrackCode);
    EXPECT_EQ(course.Points[i].RightWidth, expected.Points[i].RightWidth);
    EXPECT_EQ(course.Banking[i], expected.Banking[i]);
    EXPECT_EQ(course.Decoration[i], expected.Decoration[i]);
  }
  EXPECT_EQ(course.SlipZone[4], 3);
  EXPECT_EQ(course.Name, "RING 23");
  EXPECT_EQ(course.JDescription, "");
  EXPECT_EQ(course.RomMusic, 5);
  EXPECT_EQ(course.HorizonCount, 3);
  EXPECT_EQ(course.HorizonImage[3], 26);
  EXPECT_TRUE(std::equal(course.RawRecord.begin(), course.RawRecord.end(),
                         built.z64().begin() + built.RecordOffset(23)));
}

TEST(DecodeCourse, RecordsWithoutARingOfPointsAreRefused) {
  TestRom built('P');
  Course ring = RingCourse(4, 1);
  for (int count : {3, 65}) {
    ring.PointCount = static_cast<uint8_t>(count);
    built.SetRecord(1, RecordOf(ring));
    const Opened opened = Open(built);
    Course course = RingCourse(9, 9);
    EXPECT_EQ(DecodeCourse(1, opened.rom, opened.tables, course), kRomCourseFailed);
    EXPECT_EQ(DecodeCourse(25, opened.rom, opened.tables, course), kRomCourseFailed);
    EXPECT_EQ(course.PointCount, 9);
  }
}

TEST(EncodeCourse, WritesZerosAbovePointCountAndInTheUnusedBytes) {
  Course course = RingCourse(4, 3);
  course.Points[5] = {1, 2, 3, 400, 400, 1, 2};
  course.Banking[5] = 9;
  course.PitArea[5] = 1;
  course.RawRecord.fill(0xAB);
  RomTables tables;
  ASSERT_EQ(EncodeCourse(3, course, 'E', tables), kRomCourseOk);
  EXPECT_EQ(std::vector<uint8_t>(course.RawRecord.begin(), course.RawRecord.end()),
            RecordOf(RingCourse(4, 3)));
}

TEST(EncodeCourse, ACourseThatDoesNotFitTheRecordChangesNothing) {
  RomTables tables;
  tables.rom_course_names[0] = "kept";
  Course wide = RingCourse(5, 1), short_ring = RingCourse(4, 1), skies = RingCourse(4, 1);
  wide.Points[2].LeftWidth = 70000;
  short_ring.PointCount = 3;
  skies.HorizonCount = 7;
  for (Course* course : {&wide, &short_ring, &skies}) {
    course->RawRecord.fill(7);
    EXPECT_EQ(EncodeCourse(1, *course, 'E', tables), kRomCourseFailed);
    EXPECT_EQ(course->RawRecord[100], 7);
    EXPECT_EQ(tables.rom_course_names[0], "kept");
  }
}

// Also the region rules: 'J' keeps JDescription, 'E' and 'P' keep Description.
TEST(EncodeCourse, RoundTripsThroughTheImageInEveryRegionAndOrder) {
  for (char region : {'J', 'E', 'P'}) {
    for (bool v64 : {false, true}) {
      Opened opened = Open(TestRom::Filled(region), v64);
      Course course = RingCourse(64, 11);
      course.Name = "LONG WAY \xFC";
      course.Description = "GO 2 LAPS";
      course.JDescription = "\xB1\xFF";
      course.HorizonCount = 2;
      course.HorizonImage = {0, 3, 4};
      course.HorizonAngle = {0, -90.25f, 1e-3f};
      ValidateCourse(course);
      ASSERT_EQ(EncodeCourse(11, course, region, opened.tables), kRomCourseOk);
      ASSERT_TRUE(opened.rom.WriteBlock(CourseRecordOffset(11, region), course.RawRecord.data(),
                                        kRawRecordSize));
      ASSERT_EQ(WriteRomTables(opened.rom, opened.tables), kRomTablesOk);
      RomTables reread;
      ASSERT_EQ(ReadRomTables(opened.rom, reread), kRomTablesOk);
      Course decoded;
      ASSERT_EQ(DecodeCourse(11, opened.rom, reread, decoded), kRomCourseOk);
      (region == 'J' ? course.Description : course.JDescription).clear();
      course.Source.clear();
      EXPECT_EQ(GenDatasheet(decoded), GenDatasheet(course)) << region << v64;
      EXPECT_EQ(decoded.RawRecord, course.RawRecord);
    }
  }
}

}  // namespace
}  // namespace kurvex
