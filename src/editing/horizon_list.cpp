#include "editing/horizon_list.h"

#include <algorithm>
#include <cmath>

namespace kurvex {
namespace {

bool IsEntry(const Course& course, int entry) {
  return entry >= 1 && entry <= HorizonEntries(course);
}

}  // namespace

int HorizonEntries(const Course& course) {
  return std::min<int>(course.HorizonCount, kMaxHorizons);
}

int AddHorizon(Course& course) {
  if (course.HorizonCount >= kMaxHorizons) return 0;
  const int entry = course.HorizonCount + 1;
  course.HorizonImage[entry] = 1;
  course.HorizonAngle[entry] = 0;
  course.HorizonCount = static_cast<uint8_t>(entry);
  return entry;
}

int DeleteHorizon(Course& course, int entry) {
  if (!IsEntry(course, entry)) return -1;
  const int count = HorizonEntries(course);
  for (int h = entry; h < count; ++h) {
    course.HorizonImage[h] = course.HorizonImage[h + 1];
    course.HorizonAngle[h] = course.HorizonAngle[h + 1];
  }
  course.HorizonImage[count] = 0;
  course.HorizonAngle[count] = 0;
  course.HorizonCount = static_cast<uint8_t>(count - 1);
  return std::min(entry, count - 1);
}

float NormaliseHorizonAngle(double degrees) {
  if (!std::isfinite(degrees)) return 0;
  // fmod is exact, where subtracting 360 * floor(a / 360) loses the angle of huge inputs.
  double a = std::fmod(degrees, 360.0);
  if (a < 0) a += 360;
  if (a == 0) a = 0;  // no negative zero in the course
  const float stored = static_cast<float>(a);
  // A tiny negative angle, or one just below 360, rounds up to 360 itself.
  return stored >= 360.0f ? 0.0f : stored;
}

bool SetHorizonAngle(Course& course, int entry, double degrees) {
  if (!IsEntry(course, entry)) return false;
  course.HorizonAngle[entry] = NormaliseHorizonAngle(degrees);
  return true;
}

int HorizonImageIndex(const Course& course, int entry) {
  if (!IsEntry(course, entry)) return -1;
  const int image = course.HorizonImage[entry];
  return image >= 1 && image <= kHorizonImageCount ? image - 1 : -1;
}

bool ChooseHorizonImage(Course& course, int entry, int index) {
  if (!IsEntry(course, entry) || index < 0 || index >= kHorizonImageCount) return false;
  course.HorizonImage[entry] = static_cast<uint8_t>(index + 1);
  return true;
}

}  // namespace kurvex
