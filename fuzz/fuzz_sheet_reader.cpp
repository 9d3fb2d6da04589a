// Any text as a data sheet: reading must end without fault, leave a course in range, and report
// a bounded number of notices, each on a line of the text.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "course/datasheet.h"
#include "course/new_course.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  kurvex::Course course = kurvex::NewCourse();
  kurvex::SheetReport report;
  const int16_t result = kurvex::ReadDatasheet(text, course, &report);
  // CR LF, LF and a lone CR each end a line.
  int lines = 1;
  for (size_t i = 0; i < text.size(); ++i) {
    lines += text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n'));
  }
  if (report.notices.size() > 51 || report.keys_read > lines) abort();
  for (const kurvex::SheetNotice& notice : report.notices) {
    if (notice.line < 1 || notice.line > lines || notice.text.empty()) abort();
  }
  if (result != kurvex::kSheetOk) return 0;
  if (course.PointCount < kurvex::kMinPoints || course.PointCount > kurvex::kMaxPoints) abort();
  if (course.HorizonCount > kurvex::kMaxHorizons) abort();
  kurvex::GenDatasheet(course);
  return 0;
}
