#include "course/version.h"

#ifndef KURVEX_VERSION
#error "KURVEX_VERSION comes from the build (the project version in CMakeLists.txt)"
#endif

namespace kurvex {

const char* KurvexVersion() { return KURVEX_VERSION; }

}  // namespace kurvex
