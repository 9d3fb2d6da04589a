// Refusals of DecodeCourse and EncodeCourse, and the record bytes above PointCount; decoding the
// test images and the round trip through every region and byte order are the patch job's tests.
#include "rom/course_record.h"

#include <gtest/gtest.h>

#include "rom_builder.h"
#include "test_courses.h"

namespace kurvex {
namespace {

using test::RecordOf;
using test::SeededRingCourse;
using test::TestRom;

TEST(DecodeCourse, RecordsWithoutARingOfPointsAreRefused) {
  TestRom built('P');
  Course ring = SeededRingCourse(4, 1);
  for (int count : {3, 65}) {
    ring.PointCount = static_cast<uint8_t>(count);
    built.SetRecord(1, RecordOf(ring));
    RomImage rom;
    RomTables tables;
    ASSERT_EQ(rom.Identify(built.Image()), kRomOk);
    ASSERT_EQ(ReadRomTables(rom, tables), kRomTablesOk);
    Course course = SeededRingCourse(9, 9);
    EXPECT_EQ(DecodeCourse(1, rom, tables, course), kRomCourseFailed);
    EXPECT_EQ(DecodeCourse(25, rom, tables, course), kRomCourseFailed);
    EXPECT_EQ(course.PointCount, 9);
  }
}

TEST(EncodeCourse, WritesZerosAbovePointCountAndInTheUnusedBytes) {
  Course course = SeededRingCourse(4, 3);
  course.Points[5] = {1, 2, 3, 400, 400, 1, 2};
  course.Banking[5] = 9;
  course.PitArea[5] = 1;
  course.RawRecord.fill(0xAB);
  RomTables tables;
  ASSERT_EQ(EncodeCourse(3, course, 'E', tables), kRomCourseOk);
  EXPECT_EQ(std::vector<uint8_t>(course.RawRecord.begin(), course.RawRecord.end()),
            RecordOf(SeededRingCourse(4, 3)));
}

TEST(EncodeCourse, ACourseThatDoesNotFitTheRecordChangesNothing) {
  RomTables tables;
  tables.rom_course_names[0] = "kept";
  Course wide = SeededRingCourse(5, 1), banked = wide, short_ring = wide, skies = wide;
  wide.Points[2].LeftWidth = 70000;
  banked.Banking[5] = -1;
  short_ring.PointCount = 3;
  skies.HorizonCount = 7;
  for (Course* course : {&wide, &banked, &short_ring, &skies}) {
    course->RawRecord.fill(7);
    EXPECT_EQ(EncodeCourse(1, *course, 'E', tables), kRomCourseFailed);
    EXPECT_EQ(course->RawRecord[100], 7);
    EXPECT_EQ(tables.rom_course_names[0], "kept");
  }
}

}  // namespace
}  // namespace kurvex
