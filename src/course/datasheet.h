#pragma once
// The text form of a course (the data sheet, also saved as a track text file): one property
// per line, "Key = value", Windows-1252 bytes, CR LF line ends and no final line break.

#include <string>

#include "course/course.h"
#include "course/message.h"

namespace kurvex {

std::string GenDatasheet(const Course& course);

enum SheetResult : int16_t {
  kSheetOk = 0,
  kSheetOverflow = 1,  // a number beyond the single-precision or 32-bit range
};

// Update: resets the course to the new course, then applies the sheet line by line and
// validates the result. On kSheetOverflow the course keeps what was read before the failing
// line, and the point and horizon counts of the sheet are not applied.
int16_t ReadDatasheet(const std::string& text, Course& course);

// The message shown for kSheetOverflow.
Message SheetOverflowMessage();

// The save-name rule of Export: ".txt" appended where missing, "New File.txt" for short names.
std::string CompleteTextFileName(const std::string& name);

}  // namespace kurvex
