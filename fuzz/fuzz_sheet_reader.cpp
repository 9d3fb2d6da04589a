// Any text as a data sheet: reading must end without fault and leave a course in range.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "course/datasheet.h"
#include "course/new_course.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  kurvex::Course course = kurvex::NewCourse();
  if (kurvex::ReadDatasheet(text, course) != kurvex::kSheetOk) return 0;
  if (course.PointCount < kurvex::kMinPoints || course.PointCount > kurvex::kMaxPoints) abort();
  if (course.HorizonCount > kurvex::kMaxHorizons) abort();
  kurvex::GenDatasheet(course);
  return 0;
}
