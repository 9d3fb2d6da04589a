#pragma once
// The KURV course file: a big-endian binary form of everything in a Course except the game's
// raw record. The codec works on a byte image in memory; course_file_io.h reads and writes it.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "course/course.h"
#include "course/message.h"

namespace kurvex {

enum KurvResult : int16_t {
  kKurvUnknownError = -1,
  kKurvOk = 0,
  kKurvNotKurv = 1,
  kKurvNotFZeroX = 2,
  kKurvBadVersion = 3,
  kKurvFloatErrors = 4,  // part of the code set; the reader reports non-finite floats as 0.0
  kKurvTextTooLong = 5,  // a text field does not fit its one-byte length
};

constexpr size_t kKurvHeaderSize = 22;
constexpr size_t kKurvPointSize = 21;
constexpr size_t kKurvMaxTextLength = 255;

// Builds the file image. A text longer than 255 characters cannot be stored: the result is
// kKurvTextTooLong, nothing is built, and *overlong_field names the field.
int16_t WriteCourseFile(const Course& course, std::vector<uint8_t>& file_buffer,
                        std::string* overlong_field = nullptr);

// Decodes a file image into the course and validates it. Codes 1..3, and -1 for a file that
// announces fewer than 4 or more than 64 points or more than 6 horizons, leave the course
// unchanged. *file_version receives the version found (major + minor / 100).
int16_t ReadCourseFile(Course& course, const uint8_t* data, size_t size,
                       double* file_version = nullptr);

std::string CourseFileResultText(int code);

// The user message for a read result; empty when there is nothing to report.
Message KurvCheck(int code, double file_version);
// The user message for a save refused because the named text field is too long.
Message KurvTextTooLongMessage(const std::string& field);

}  // namespace kurvex
