// The recovery copy's file: what goes in comes back byte for byte, and every kind of damage is
// refused with its reason.
#include "course/recovery_file.h"

#include <gtest/gtest.h>

#include "course/kurv_file.h"
#include "course/new_course.h"
#include "test_courses.h"

namespace kurvex {
namespace {

RecoveryCopy CopyOf(const Course& course, const std::string& path, int64_t time) {
  RecoveryCopy copy;
  EXPECT_EQ(WriteCourseFile(course, copy.kurv), kKurvOk);
  copy.file_path = path;
  copy.changed_at_ms = time;
  return copy;
}

std::string Refusal(const std::vector<uint8_t>& bytes) {
  RecoveryCopy copy;
  Course course = NewCourse();
  std::string why;
  EXPECT_FALSE(DecodeRecoveryCopy(bytes.data(), bytes.size(), copy, course, &why));
  return why;
}

TEST(RecoveryFile, KeepsTheCourseThePathAndTheTime) {
  const Course ring = test::SeededRingCourse(17, 3);
  for (const RecoveryCopy& written :
       {CopyOf(ring, "/home/m\xC3\xBCller/courses/big lap.kurv", 1796000000123),
        CopyOf(ring, "", -5), CopyOf(NewCourse(), "a\nb.txt", 0)}) {
    const std::vector<uint8_t> bytes = EncodeRecoveryCopy(written);
    RecoveryCopy read;
    Course course = NewCourse();
    std::string why;
    ASSERT_TRUE(DecodeRecoveryCopy(bytes.data(), bytes.size(), read, course, &why)) << why;
    EXPECT_EQ(read.kurv, written.kurv);
    EXPECT_EQ(read.file_path, written.file_path);
    EXPECT_EQ(read.changed_at_ms, written.changed_at_ms);
    std::vector<uint8_t> again;
    ASSERT_EQ(WriteCourseFile(course, again), kKurvOk);
    EXPECT_EQ(again, written.kurv);
  }
}

TEST(RecoveryFile, RefusesDamageWithItsReason) {
  const std::vector<uint8_t> good =
      EncodeRecoveryCopy(CopyOf(test::RingCourse(6), "/x/c.kurv", 42));
  EXPECT_EQ(Refusal({}), "not a recovery copy");
  EXPECT_EQ(Refusal({'K', 'U', 'R', 'V'}), "not a recovery copy");
  EXPECT_EQ(Refusal(std::vector<uint8_t>(good.begin(), good.begin() + 12)),
            "the recovery copy is cut short");
  EXPECT_EQ(Refusal(std::vector<uint8_t>(good.begin(), good.end() - 1)),
            "the recovery copy is cut short");
  std::vector<uint8_t> longer = good;
  longer.push_back(0);
  EXPECT_EQ(Refusal(longer), "the recovery copy has bytes after its end");
  std::vector<uint8_t> format = good;
  format[11] = 2;
  EXPECT_EQ(Refusal(format), "a recovery copy of an unknown format");
  // A path length far beyond the file must not be taken as a length to read.
  std::vector<uint8_t> path_length = good;
  path_length[20] = 0xFF;
  EXPECT_EQ(Refusal(path_length), "the recovery copy is cut short");
  // The course itself is checked: its KURV image begins after the 28 fixed bytes and the
  // 9-byte path; here its version and then its point count are broken.
  std::vector<uint8_t> version = good;
  version[37 + 6] = 9;
  EXPECT_EQ(Refusal(version), "its course: File format version not supported");
  std::vector<uint8_t> points = good;
  points[37 + 21] = 200;
  EXPECT_EQ(Refusal(points), "its course has a wrong point or horizon count");
}

}  // namespace
}  // namespace kurvex
