#include "course/kurv_file.h"

#include <gtest/gtest.h>

#include <cstring>

#include "course/new_course.h"
#include "course/track_type.h"

namespace kurvex {
namespace {

std::vector<uint8_t> Write(const Course& course) {
  std::vector<uint8_t> bytes;
  EXPECT_EQ(WriteCourseFile(course, bytes), kKurvOk);
  return bytes;
}

Course ReadBack(const std::vector<uint8_t>& bytes, int16_t expected = kKurvOk) {
  Course course = NewCourse();
  EXPECT_EQ(ReadCourseFile(course, bytes.data(), bytes.size()), expected);
  return course;
}

// Offset of point i's record in a file of the new course (no horizons).
size_t PointOffset(const Course& c, int i) {
  return kKurvHeaderSize + c.Source.size() + c.Name.size() + c.Description.size() +
         c.JDescription.size() + 3 * c.HorizonCount + kKurvPointSize * (i - 1);
}

TEST(KurvFile, NewCourseIs141BytesWithHeader) {
  const std::vector<uint8_t> bytes = Write(NewCourse());
  ASSERT_EQ(bytes.size(), 141u);
  const uint8_t header[] = {'K', 'U', 'R', 'V', 'X', 'T', 0x01, 0x0A, 0, 0, 0, 0};
  EXPECT_EQ(std::memcmp(bytes.data(), header, sizeof header), 0);
  EXPECT_EQ(bytes[13], 26);  // Source length
  EXPECT_EQ(bytes[14], 9);   // "NEW TRACK"
  EXPECT_EQ(bytes[17], 255);  // no ROM music
  EXPECT_EQ(bytes[21], 4);
}

TEST(KurvFile, RoundTripKeepsEveryField) {
  Course c = NewCourse();
  c.HeaderByte = 0x5A;
  c.Venue = 7;
  c.Sky = 6;
  c.RomMusic = 24;
  c.EkMusic = 36;
  c.Name = "ROUND TRIP";
  c.Description = "A DESCRIPTION";
  c.JDescription = "\xAB\xAC";
  c.HorizonCount = 2;
  c.HorizonImage[1] = 44;
  c.HorizonAngle[1] = 90.5f;
  c.HorizonImage[2] = 3;
  c.HorizonAngle[2] = 270.0f;
  c.Points[3] = {1234.5f, -50.25f, 99.0f, 300, 1500, 0x2000, TrackCodeFor(kPipe, 3)};
  c.Banking[3] = 45;
  c.Structure[3] = 7;
  c.Decoration[3] = 4;
  c.Gate[3] = 2;
  c.TrapField[3] = 1;
  c.JumpPlate[3] = 0;
  c.DashPlate[3] = 2;
  c.SlipZone[3] = 3;
  Course back = ReadBack(Write(c));
  EXPECT_EQ(Write(back), Write(c));
  EXPECT_EQ(back.HeaderByte, 0x5A);
  EXPECT_EQ(back.Venue, 7);
  EXPECT_EQ(back.Sky, 6);
  EXPECT_EQ(back.EkMusic, 36);
  EXPECT_EQ(back.Points[3].X, 1234.5f);
  EXPECT_EQ(back.Points[3].TrackCode, TrackCodeFor(kPipe, 3));
  EXPECT_EQ(back.Points[3].TrackFlags, 0x2000);
  EXPECT_EQ(back.Structure[3], 7);
  EXPECT_EQ(back.Gate[3], 2);
  EXPECT_EQ(back.SlipZone[3], 3);
  EXPECT_EQ(back.PitArea[3], kNone);
  EXPECT_EQ(back.HorizonAngle[1], 90.5f);
}

TEST(KurvFile, VersionsOtherThan11AreRefusedWithTheirNumber) {
  std::vector<uint8_t> bytes = Write(NewCourse());
  bytes[7] = 0x14;
  Course course = NewCourse();
  course.Name = "UNTOUCHED";
  double version = 0;
  EXPECT_EQ(ReadCourseFile(course, bytes.data(), bytes.size(), &version), kKurvBadVersion);
  EXPECT_EQ(course.Name, "UNTOUCHED");
  EXPECT_EQ(KurvCheck(kKurvBadVersion, version).Text(),
            "Error: Unsupported file format\r\n\r\n"
            "The file specified was identified as a KURV\r\n"
            "F-Zero X track file, but it specifies an\r\n"
            "unsupported version number (1.2). Please\r\n"
            "select a different file.");
}

TEST(KurvFile, WrongMagicAndGameTag) {
  std::vector<uint8_t> bytes = Write(NewCourse());
  bytes[5] = 'U';
  ReadBack(bytes, kKurvNotFZeroX);
  bytes[0] = 'k';
  ReadBack(bytes, kKurvNotKurv);
  ReadBack({}, kKurvNotKurv);
  EXPECT_EQ(KurvCheck(kKurvNotKurv, 0).Text(),
            "Error: Unknown file format\r\n\r\nThe file selected is not a valid KURV file.\r\n"
            "Please select a different file.");
  EXPECT_EQ(KurvCheck(kKurvOk, 1.1).Text(), "");
  EXPECT_EQ(CourseFileResultText(2), "Not an F-Zero X track file");
  EXPECT_EQ(CourseFileResultText(99), "Unknown error code");
}

TEST(KurvFile, CountsBeyondTheRecordAreRefusedBeforeAnythingIsStored) {
  for (auto [offset, value] : {std::pair{21, 65}, {21, 3}, {20, 7}}) {
    std::vector<uint8_t> bytes = Write(NewCourse());
    bytes[offset] = static_cast<uint8_t>(value);
    bytes[12] = 0x77;  // header byte, would be stored first
    Course course = NewCourse();
    EXPECT_EQ(ReadCourseFile(course, bytes.data(), bytes.size()), kKurvUnknownError);
    EXPECT_EQ(course.HeaderByte, 0);
    EXPECT_EQ(course.PointCount, 4);
  }
}

TEST(KurvFile, TruncatedFileReadsZerosAndSucceeds) {
  std::vector<uint8_t> bytes = Write(NewCourse());
  bytes.resize(PointOffset(NewCourse(), 3) + 4);  // cut inside point 3
  Course back = ReadBack(bytes);
  EXPECT_EQ(back.Points[2].X, 5000.0f);
  EXPECT_EQ(back.Points[4].X, 0.0f);
  EXPECT_EQ(back.Points[4].LeftWidth, 50);  // zero width clamped by validation
  EXPECT_EQ(back.Points[4].TrackCode, kNoTrackCode);
}

TEST(KurvFile, ZoneSlotPackings) {
  Course c = NewCourse();
  c.PitArea[1] = 0;   // Both Sides
  c.DartZone[1] = 1;  // Left side: both side slots already taken
  c.PitArea[2] = 1;
  c.DartZone[2] = 0;  // Both Sides of a later kind takes both slots
  c.DartZone[3] = 3;  // Center
  c.SlipZone[3] = 2;
  const std::vector<uint8_t> bytes = Write(c);
  EXPECT_EQ(bytes[PointOffset(c, 1) + 20], 0x11);
  EXPECT_EQ(bytes[PointOffset(c, 2) + 20], 0x22);
  EXPECT_EQ(bytes[PointOffset(c, 3) + 20], 0x0B);
  Course back = ReadBack(bytes);
  EXPECT_EQ(back.PitArea[1], 0);
  EXPECT_EQ(back.DartZone[1], kNone);
  EXPECT_EQ(back.DartZone[2], 0);
  EXPECT_EQ(back.PitArea[2], kNone);
  EXPECT_EQ(back.DartZone[3], 3);
  EXPECT_EQ(back.SlipZone[3], 2);
}

TEST(KurvFile, PackedWordTrackTypesAndBanking) {
  Course c = NewCourse();
  c.Points[1].TrackCode = TrackCodeFor(kNoWall, 2);  // 450: type index 8
  c.Points[2].TrackCode = kNoTrackCode;
  c.Points[3].TrackCode = TrackCodeFor(kNoWall, 1);
  c.Banking[1] = 370;
  c.Banking[2] = -10;
  c.Structure[1] = 14;
  const std::vector<uint8_t> bytes = Write(c);
  const size_t p1 = PointOffset(c, 1), p2 = PointOffset(c, 2);
  EXPECT_EQ(bytes[p1 + 16] << 8 | bytes[p1 + 17], 14 * 4096 + 7 * 512 + 10);
  EXPECT_EQ(bytes[p1 + 18] >> 4, 2);
  EXPECT_EQ(bytes[p2 + 16] << 8 | bytes[p2 + 17], 15 * 4096 + 0 * 512 + 502);
  EXPECT_EQ(bytes[p2 + 18], 0x05);  // no texture, no decoration
  Course back = ReadBack(bytes);
  EXPECT_EQ(back.Points[1].TrackCode, 450);
  EXPECT_EQ(back.Points[1].TrackFlags, 0x800);
  EXPECT_EQ(back.Points[2].TrackCode, kNoTrackCode);
  EXPECT_EQ(back.Points[2].TrackFlags, 0x1000);
  EXPECT_EQ(back.Banking[1], 10);
  EXPECT_EQ(back.Banking[2], 502);
}

TEST(KurvFile, FloatsTruncateAndNonFiniteReadsAsZero) {
  Course c = NewCourse();
  c.HorizonCount = 1;
  c.HorizonImage[1] = 5;
  c.HorizonAngle[1] = 45.3f;
  c.Points[1].Y = -0.0f;
  std::vector<uint8_t> bytes = Write(c);
  const size_t y1 = PointOffset(c, 1) + 4;
  EXPECT_EQ(bytes[y1], 0x00);  // negative zero written as positive zero
  EXPECT_EQ(ReadBack(bytes).HorizonAngle[1], 45.25f);

  const uint8_t infinity[] = {0x7F, 0x80, 0x00, 0x00};
  std::memcpy(&bytes[PointOffset(c, 2)], infinity, 4);
  std::memcpy(&bytes[PointOffset(c, 3) + 8], infinity, 4);
  bytes[PointOffset(c, 4)] = 0xFF;  // NaN pattern FF xx xx xx: exponent 255
  bytes[PointOffset(c, 4) + 1] = 0xC0;
  Course back = ReadBack(bytes);
  EXPECT_EQ(back.Points[2].X, 0.0f);
  EXPECT_EQ(back.Points[3].Z, 0.0f);
  EXPECT_EQ(back.Points[4].X, 0.0f);
}

TEST(KurvFile, OverlongTextIsRefusedNamingTheField) {
  Course c = NewCourse();
  c.Description = std::string(256, 'A');
  std::vector<uint8_t> bytes = {1, 2, 3};
  std::string field;
  EXPECT_EQ(WriteCourseFile(c, bytes, &field), kKurvTextTooLong);
  EXPECT_EQ(field, "Description");
  EXPECT_NE(KurvTextTooLongMessage(field).Text().find("The Description text has more than 255"),
            std::string::npos);
  c.Description.resize(255);
  EXPECT_EQ(WriteCourseFile(c, bytes, &field), kKurvOk);
  EXPECT_EQ(ReadBack(bytes).Description.size(), 255u);
}

}  // namespace
}  // namespace kurvex
