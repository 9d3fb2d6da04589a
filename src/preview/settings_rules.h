#pragma once
// The rules of the windows' boxes, applied to the values a settings file gives, so that a
// damaged file cannot put the camera out of reach, make the segment distance NaN or the
// transparency 500 %.

#include "preview/settings_file.h"

namespace kurvex {

// Every value through its box's rule; a value no box would take (not finite) becomes its
// default.
void ApplyBoxRules(Settings& settings);

}  // namespace kurvex
