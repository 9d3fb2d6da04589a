#pragma once
// The program's version, from the build.

namespace kurvex {

inline constexpr char kVersionText[] = KURVEX_VERSION;

}  // namespace kurvex
