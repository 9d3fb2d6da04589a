#pragma once
// Result codes of the geometry layer, with their short texts.

#include <cstdint>
#include <string>

namespace kurvex {

enum GeometryResult : int16_t {
  kGeometryUnknownError = -1,
  kGeometryOk = 0,
  kGeometryBadPointCount = 1,  // a course needs 4..64 CTL points
  kGeometryNotPrepared = 2,    // the prepared geometry does not belong to this course
  kGeometryNoSuchPoint = 3,    // a point or span number outside 1..PointCount
};

std::string GeometryResultText(int code);

}  // namespace kurvex
