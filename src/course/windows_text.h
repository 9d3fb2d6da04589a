#pragma once
// Windows only: the program's UTF-8 strings as the wide strings of the system's calls, and the
// system's error codes as the same short reasons the other systems give.

#include <string>

namespace kurvex {

std::wstring WideFromUtf8(const std::string& text);
std::string Utf8FromWide(const std::wstring& text);
// "No such file or directory", "Permission denied", ... for the common codes, so that a reason
// reads the same everywhere; the system's own text for the others.
std::string SystemErrorText(unsigned long code);

}  // namespace kurvex
