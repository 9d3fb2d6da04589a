// The commands that read and write single courses: new, convert, sheet.
#include <cstdio>

#include "cli/cli.h"
#include "course/datasheet.h"
#include "course/new_course.h"

namespace kurvex::cli {

int RunNew(const Args& args) {
  if (args.size() != 1) return UsageError("new", "expects one output file");
  if (!IsCourseOutputName(args[0])) return UsageError("new", "OUT must end in .kurv or .txt");
  Message message;
  if (!SaveCourseOutput(args[0], NewCourse(), &message)) return Fail(message);
  return kExitOk;
}

int RunConvert(const Args& args) {
  if (args.size() != 2) return UsageError("convert", "expects a course and an output file");
  if (!IsCourseOutputName(args[1])) return UsageError("convert", "OUT must end in .kurv or .txt");
  Course course;
  Message message;
  if (!LoadCourseArgument(args[0], course, &message)) return Fail(message);
  if (!SaveCourseOutput(args[1], course, &message)) return Fail(message);
  return kExitOk;
}

int RunSheet(const Args& args) {
  if (args.size() != 1) return UsageError("sheet", "expects one course");
  Course course;
  Message message;
  if (!LoadCourseArgument(args[0], course, &message)) return Fail(message);
  const std::string sheet = GenDatasheet(course);
  std::fwrite(sheet.data(), 1, sheet.size(), stdout);
  return std::fflush(stdout) == 0 ? kExitOk : kExitFailed;
}

}  // namespace kurvex::cli
