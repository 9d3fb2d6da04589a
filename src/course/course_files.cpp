#include "course/course_files.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "course/datasheet.h"
#include "course/file_io.h"
#include "course/kurv_file.h"
#include "course/message.h"
#include "course/path_text.h"

namespace kurvex {

namespace {

FileOutcome Failure(Message message, std::string reason) {
  return {false, std::move(message), std::move(reason), {}};
}

FileOutcome ReadCourseBytes(const std::string& path, size_t max_size, std::vector<uint8_t>& bytes) {
  std::string reason;
  const FileReadResult read = ReadRegularFile(path, max_size, bytes, &reason);
  if (read != FileReadResult::kOk) return Failure(FileReadMessage(read), reason);
  return {};
}

FileOutcome WriteFileBytes(const std::string& path, const uint8_t* data, size_t size,
                           const InputFiles& inputs) {
  std::string error;
  if (!WriteFileAtomically(path, data, size, &error, inputs)) {
    return Failure(MakeMessage("Error: File access error",
                               {"A file I/O error occurred while trying to save",
                                "the file. An existing file of that name was left", "as it was."}),
                   error);
  }
  return {};
}

Message NotTrackTextMessage() {
  return MakeMessage(
      "Error: Not a track text file",
      {"The file selected holds no line of a track text",
       "file (such as Name = or CTL_Point_Count =).", "Please select a different file."});
}

std::vector<std::string> NoticeLines(const SheetReport& report) {
  std::vector<std::string> lines;
  for (const SheetNotice& notice : report.notices) lines.push_back(notice.Text());
  return lines;
}

}  // namespace

FileOutcome LoadKurvFile(const std::string& path, Course& course) {
  std::vector<uint8_t> bytes;
  FileOutcome outcome = ReadCourseBytes(path, kMaxKurvFileSize, bytes);
  if (!outcome.ok) return outcome;
  double version = 0;
  const int16_t code = ReadCourseFile(course, bytes.data(), bytes.size(), &version);
  if (code == kKurvUnknownError) {
    return Failure(KurvCheck(code, version),
                   PathText(path) + ": a point or horizon count out of range");
  }
  if (code != kKurvOk) {
    return Failure(KurvCheck(code, version), PathText(path) + ": " + CourseFileResultText(code));
  }
  return {};
}

FileOutcome CheckTrackTextBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
  if (std::find(bytes.begin(), bytes.end(), 0) == bytes.end()) return {};
  return Failure(NotTrackTextMessage(),
                 PathText(path) + ": not a track text file: it holds NUL bytes");
}

FileOutcome LoadTrackTextFile(const std::string& path, Course& course) {
  std::vector<uint8_t> bytes;
  FileOutcome outcome = ReadCourseBytes(path, kMaxTrackTextFileSize, bytes);
  if (!outcome.ok) return outcome;
  outcome = CheckTrackTextBytes(path, bytes);
  if (!outcome.ok) return outcome;
  // Read into a copy, so that a file that is no track text leaves the course as it was.
  Course read = course;
  SheetReport report;
  const int16_t result = ReadDatasheet(std::string(bytes.begin(), bytes.end()), read, &report);
  if (report.keys_read == 0) {
    return Failure(NotTrackTextMessage(), PathText(path) + ": not a track text file");
  }
  course = std::move(read);
  if (result != kSheetOk) {
    Message overflow = SheetOverflowMessage();
    overflow.title = "Error: Data Sheet overflow";
    outcome = Failure(overflow, PathText(path) + ": a number too large for its field");
  }
  outcome.notices = NoticeLines(report);
  return outcome;
}

FileOutcome SaveKurvFile(const std::string& path, const Course& course, const InputFiles& inputs) {
  std::vector<uint8_t> bytes;
  std::string field;
  const int16_t code = WriteCourseFile(course, bytes, &field);
  if (code == kKurvTextTooLong) return Failure(KurvTextTooLongMessage(field), "");
  if (code != kKurvOk) return Failure(KurvCheck(kKurvUnknownError, 0), "");
  return WriteFileBytes(path, bytes.data(), bytes.size(), inputs);
}

FileOutcome SaveTrackTextFile(const std::string& path, const Course& course,
                              const InputFiles& inputs) {
  const std::string text = GenDatasheet(course);
  return WriteFileBytes(path, reinterpret_cast<const uint8_t*>(text.data()), text.size(), inputs);
}

}  // namespace kurvex
