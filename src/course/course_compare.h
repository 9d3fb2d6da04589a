#pragma once

#include "course/course.h"

namespace kurvex {

// Field-by-field equality of two course records, every array entry included.
bool operator==(const CtlPoint& a, const CtlPoint& b);
bool operator==(const Course& a, const Course& b);
inline bool operator!=(const Course& a, const Course& b) { return !(a == b); }

}  // namespace kurvex
