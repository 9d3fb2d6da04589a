#include "course/path_text.h"

#include <algorithm>
#include <cstdio>

namespace kurvex {

namespace {

bool IsControl(unsigned char c) { return c < 0x20 || c == 0x7F; }

std::string Escaped(unsigned char c) {
  switch (c) {
    case '\n':
      return "\\n";
    case '\r':
      return "\\r";
    case '\t':
      return "\\t";
    case '\\':
      return "\\\\";
    case '\'':
      return "\\'";
    default:
      break;
  }
  if (!IsControl(c)) return std::string(1, static_cast<char>(c));
  char hex[8];
  std::snprintf(hex, sizeof hex, "\\x%02X", c);
  return hex;
}

}  // namespace

std::string PathText(const std::string& path) {
  if (std::none_of(path.begin(), path.end(),
                   [](char c) { return IsControl(static_cast<unsigned char>(c)); })) {
    return path;
  }
  std::string quoted = "$'";
  for (const char c : path) quoted += Escaped(static_cast<unsigned char>(c));
  return quoted + "'";
}

}  // namespace kurvex
