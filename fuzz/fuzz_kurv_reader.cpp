// Any bytes as a KURV file: decoding must stay in bounds, end, and give a course that writes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "course/datasheet.h"
#include "course/kurv_file.h"
#include "course/new_course.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  kurvex::Course course = kurvex::NewCourse();
  if (kurvex::ReadCourseFile(course, data, size) != kurvex::kKurvOk) return 0;
  if (course.PointCount < kurvex::kMinPoints || course.PointCount > kurvex::kMaxPoints) abort();
  std::vector<uint8_t> written;
  if (kurvex::WriteCourseFile(course, written) != kurvex::kKurvOk) abort();
  kurvex::Course again = kurvex::NewCourse();
  if (kurvex::ReadCourseFile(again, written.data(), written.size()) != kurvex::kKurvOk) abort();
  kurvex::GenDatasheet(again);
  return 0;
}
