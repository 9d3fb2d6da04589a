// The commands that read and write single courses: new, convert, sheet.
#include "cli/cli.h"
#include "cli/options.h"
#include "course/datasheet.h"
#include "course/new_course.h"

namespace kurvex::cli {

int RunNew(const Args& args) {
  ParsedArgs parsed;
  if (const int status = ParseArgs("new", args, {}, &parsed); status != kExitOk) return status;
  if (parsed.positional.size() != 1) return UsageError("new", "expects one output file");
  const std::string& out = parsed.positional[0];
  if (!IsCourseOutputName(out)) return UsageError("new", "OUT must end in .kurv or .txt");
  const FileOutcome saved = SaveCourseOutput(out, NewCourse());
  return saved.ok ? kExitOk : Fail(saved);
}

int RunConvert(const Args& args) {
  ParsedArgs parsed;
  if (const int status = ParseArgs("convert", args, {}, &parsed); status != kExitOk) {
    return status;
  }
  const Args& paths = parsed.positional;
  if (paths.size() != 2) return UsageError("convert", "expects a course and an output file");
  if (!IsCourseOutputName(paths[1])) return UsageError("convert", "OUT must end in .kurv or .txt");
  Course course;
  if (LoadCourseArgument(paths[0], course) != kExitOk) return kExitFailed;
  const FileOutcome saved = SaveCourseOutput(paths[1], course, paths[0]);
  return saved.ok ? kExitOk : Fail(saved);
}

int RunSheet(const Args& args) {
  ParsedArgs parsed;
  if (const int status = ParseArgs("sheet", args, {}, &parsed); status != kExitOk) return status;
  if (parsed.positional.size() != 1) return UsageError("sheet", "expects one course");
  Course course;
  if (LoadCourseArgument(parsed.positional[0], course) != kExitOk) return kExitFailed;
  return PrintOutput(GenDatasheet(course));
}

}  // namespace kurvex::cli
