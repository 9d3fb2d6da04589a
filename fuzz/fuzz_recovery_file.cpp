// Any bytes as a recovery copy: decoding must stay in bounds, end, and a copy it takes must
// hold a course that writes and a copy that encodes to the same bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "course/new_course.h"
#include "course/recovery_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  kurvex::RecoveryCopy copy;
  kurvex::Course course = kurvex::NewCourse();
  std::string why;
  if (!kurvex::DecodeRecoveryCopy(data, size, copy, course, &why)) {
    if (why.empty()) abort();
    return 0;
  }
  if (course.PointCount < kurvex::kMinPoints || course.PointCount > kurvex::kMaxPoints) abort();
  if (kurvex::EncodeRecoveryCopy(copy) != std::vector<uint8_t>(data, data + size)) abort();
  return 0;
}
