#include "course/file_io.h"

#include <cctype>

namespace kurvex {

namespace {

std::string Lower(std::string s) {
  for (char& ch : s) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
  return s;
}

}  // namespace

std::string CompleteFileName(const std::string& name, const std::string& extension,
                             const std::string& fallback) {
  if (name.size() < extension.size()) return fallback;
  if (Lower(name.substr(name.size() - extension.size())) != Lower(extension)) {
    return name + extension;
  }
  return name;
}

}  // namespace kurvex
