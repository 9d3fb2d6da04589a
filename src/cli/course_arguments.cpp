#include <cctype>

#include "cli/cli.h"
#include "course/course_files.h"
#include "course/new_course.h"

namespace kurvex::cli {

namespace {

bool HasExtension(const std::string& path, const std::string& extension) {
  if (path.size() < extension.size()) return false;
  for (size_t i = 0; i < extension.size(); ++i) {
    const char c = path[path.size() - extension.size() + i];
    if (std::tolower(static_cast<unsigned char>(c)) != extension[i]) return false;
  }
  return true;
}

bool Report(const FileOutcome& outcome, std::string* message) {
  if (!outcome.ok && message) *message = outcome.message;
  return outcome.ok;
}

}  // namespace

bool LoadCourseArgument(const std::string& argument, Course& course, std::string* message) {
  // Text files start from a zeroed record in the new-course state, like a fresh editor.
  course = NewCourse();
  if (HasExtension(argument, ".txt")) {
    return Report(LoadTrackTextFile(argument, course), message);
  }
  return Report(LoadKurvFile(argument, course), message);
}

bool IsCourseOutputName(const std::string& path) {
  return HasExtension(path, ".kurv") || HasExtension(path, ".txt");
}

bool SaveCourseOutput(const std::string& path, const Course& course, std::string* message) {
  if (HasExtension(path, ".txt")) return Report(SaveTrackTextFile(path, course), message);
  return Report(SaveKurvFile(path, course), message);
}

}  // namespace kurvex::cli
