#include "course/course_files.h"

#include <sys/stat.h>

#include <vector>

#include "course/datasheet.h"
#include "course/file_io.h"
#include "course/kurv_file.h"
#include "course/message.h"

namespace kurvex {

namespace {

FileOutcome Failure(Message message) { return {false, std::move(message)}; }

bool FileExists(const std::string& path) {
  struct stat st;
  return ::stat(path.c_str(), &st) == 0;
}

FileOutcome ReadFileBytes(const std::string& path, std::vector<uint8_t>& bytes) {
  if (!FileExists(path)) {
    return Failure(MakeMessage("Error: File not found", {"The file selected could not be found.",
                                                         "Please select a different file."}));
  }
  std::string error;
  if (!ReadWholeFile(path, bytes, &error)) {
    return Failure(MakeMessage("Error: File access error",
                               {"A file I/O error occurred while trying to read", error}));
  }
  return {};
}

FileOutcome WriteFileBytes(const std::string& path, const uint8_t* data, size_t size) {
  std::string error;
  if (!WriteFileAtomically(path, data, size, &error)) {
    return Failure(MakeMessage("Error: File access error",
                               {"A file I/O error occurred while trying to save", error,
                                "An existing file of that name was left as it was."}));
  }
  return {};
}

}  // namespace

FileOutcome LoadKurvFile(const std::string& path, Course& course) {
  std::vector<uint8_t> bytes;
  FileOutcome outcome = ReadFileBytes(path, bytes);
  if (!outcome.ok) return outcome;
  double version = 0;
  const int16_t code = ReadCourseFile(course, bytes.data(), bytes.size(), &version);
  if (code != kKurvOk) return Failure(KurvCheck(code, version));
  return {};
}

FileOutcome LoadTrackTextFile(const std::string& path, Course& course) {
  std::vector<uint8_t> bytes;
  FileOutcome outcome = ReadFileBytes(path, bytes);
  if (!outcome.ok) return outcome;
  const std::string text(bytes.begin(), bytes.end());
  if (ReadDatasheet(text, course) != kSheetOk) {
    Message overflow = SheetOverflowMessage();
    overflow.title = "Error: Data Sheet overflow";
    return Failure(overflow);
  }
  return {};
}

FileOutcome SaveKurvFile(const std::string& path, const Course& course) {
  std::vector<uint8_t> bytes;
  std::string field;
  const int16_t code = WriteCourseFile(course, bytes, &field);
  if (code == kKurvTextTooLong) return Failure(KurvTextTooLongMessage(field));
  if (code != kKurvOk) return Failure(KurvCheck(kKurvUnknownError, 0));
  return WriteFileBytes(path, bytes.data(), bytes.size());
}

FileOutcome SaveTrackTextFile(const std::string& path, const Course& course) {
  const std::string text = GenDatasheet(course);
  return WriteFileBytes(path, reinterpret_cast<const uint8_t*>(text.data()), text.size());
}

}  // namespace kurvex
