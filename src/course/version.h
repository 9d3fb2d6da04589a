#pragma once
// The program's version, one for the editor and kurvex-cli: the project version of the build.

namespace kurvex {

// "1.0"
const char* KurvexVersion();

}  // namespace kurvex
