#include "geometry/geometry_result.h"

namespace kurvex {

std::string GeometryResultText(int code) {
  switch (code) {
    case kGeometryOk:
      return "OK";
    case kGeometryBadPointCount:
      return "The course must have 4 to 64 CTL points.";
    case kGeometryNotPrepared:
      return "The course geometry has not been prepared.";
    case kGeometryNoSuchPoint:
      return "There is no such CTL point.";
    default:
      return "An unknown error has occurred.";
  }
}

}  // namespace kurvex
