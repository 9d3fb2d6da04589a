#pragma once
// The text form of a course (the data sheet, also saved as a track text file): one property
// per line, "Key = value", Windows-1252 bytes, CR LF line ends and no final line break.

#include <string>
#include <vector>

#include "course/course.h"
#include "course/message.h"

namespace kurvex {

std::string GenDatasheet(const Course& course);

enum SheetResult : int16_t {
  kSheetOk = 0,
  kSheetOverflow = 1,  // a number beyond the single-precision or 32-bit range
};

// Something of the sheet that the reader did not take as written: a count outside its range,
// blocks beyond the count, a repeated count, the line that overflowed.
struct SheetNotice {
  int line = 0;      // 1-based line of the sheet
  std::string text;  // "CTL_Point_Count = 65 is outside 4..64; read as 4"
  // "line 3: CTL_Point_Count = 65 is outside 4..64; read as 4"
  std::string Text() const;
  bool operator==(const SheetNotice& other) const {
    return line == other.line && text == other.text;
  }
};

struct SheetReport {
  int keys_read = 0;                 // lines with a key of the track text and a value
  std::vector<SheetNotice> notices;  // in line order
};

// Update: resets the course to the new course, then applies the sheet line by line and
// validates the result. On kSheetOverflow the course keeps what was read before the failing
// line, and the point and horizon counts of the sheet are not applied. The report, when asked
// for, tells what was not taken as written.
int16_t ReadDatasheet(const std::string& text, Course& course, SheetReport* report = nullptr);

// The message shown for kSheetOverflow.
Message SheetOverflowMessage();

// The save-name rule of Export: ".txt" appended where missing, "New File.txt" for short names.
std::string CompleteTextFileName(const std::string& name);

}  // namespace kurvex
