// The commands that edit a whole course: stats, friendly, transform.
#include "cli/cli.h"
#include "cli/numbers.h"
#include "cli/options.h"
#include "editing/course_document.h"
#include "editing/course_stats.h"
#include "editing/edit_result.h"

namespace kurvex::cli {

namespace {

// Loads COURSE into a document, as the editor does when it opens a course.
int LoadDocument(const std::string& argument, CourseDocument& document) {
  Course course;
  if (LoadCourseArgument(argument, course) != kExitOk) return kExitFailed;
  document.Replace(course);
  return kExitOk;
}

// One whole-course operation of the transform command.
struct Transform {
  std::string option;
  std::vector<double> values;
};

const char* ValueForm(const std::string& option) {
  if (option == "--translate") return "X,Y,Z";
  if (option == "--rotate") return "AZ,EL,SKEW";
  return "F";
}

int ParseTransforms(const ParsedArgs& parsed, std::vector<Transform>& transforms) {
  for (const auto& [option, value] : parsed.options) {
    if (option == "--scale-width") continue;
    Transform transform{option, {}};
    if (option == "--center") {
      transforms.push_back(transform);
      continue;
    }
    const size_t count = option == "--scale" ? 1 : 3;
    if (!ParseDecimals(value, count, &transform.values)) {
      return UsageError("transform", option + " expects " + ValueForm(option) + " (" +
                                         std::to_string(count) +
                                         (count == 1 ? " decimal number" : " decimal numbers") +
                                         "), not \"" + value + "\"");
    }
    if (option == "--scale" && !(transform.values[0] > 0)) {
      return UsageError("transform", "--scale expects a factor above 0, not \"" + value + "\"");
    }
    transforms.push_back(transform);
  }
  return kExitOk;
}

}  // namespace

int RunStats(const Args& args) {
  ParsedArgs parsed;
  if (const int status = ParseArgs("stats", args, {}, &parsed); status != kExitOk) return status;
  if (parsed.positional.size() != 1) return UsageError("stats", "expects one course");
  CourseDocument document;
  if (LoadDocument(parsed.positional[0], document) != kExitOk) return kExitFailed;
  std::string text;
  for (const std::string& line : StatsLines(Stats(document.course(), document.prepared()))) {
    text += line + "\n";
  }
  return PrintOutput(text);
}

int RunFriendly(const Args& args) {
  ParsedArgs parsed;
  if (const int status = ParseArgs("friendly", args, {{"--ek", false}, {"--rom", false}}, &parsed);
      status != kExitOk) {
    return status;
  }
  if (parsed.options.size() != 1 || parsed.positional.size() != 2) {
    return UsageError("friendly", "expects --ek or --rom, a course and an output file");
  }
  const Args& paths = parsed.positional;
  if (!IsCourseOutputName(paths[1])) return UsageError("friendly", "OUT must end in .kurv or .txt");
  CourseDocument document;
  if (LoadDocument(paths[0], document) != kExitOk) return kExitFailed;
  if (parsed.Has("--rom")) {
    document.RomFriendly();
  } else {
    for (const Message& report : document.EkFriendly()) Fail(report);
  }
  const FileOutcome saved = SaveCourseOutput(paths[1], document.course(), paths[0]);
  return saved.ok ? kExitOk : Fail(saved);
}

int RunTransform(const Args& args) {
  ParsedArgs parsed;
  const int status = ParseArgs("transform", args,
                               {{"--translate", true},
                                {"--rotate", true},
                                {"--scale", true},
                                {"--scale-width", false},
                                {"--center", false}},
                               &parsed);
  if (status != kExitOk) return status;
  const Args& paths = parsed.positional;
  if (paths.size() != 2) return UsageError("transform", "expects a course and an output file");
  if (!IsCourseOutputName(paths[1])) {
    return UsageError("transform", "OUT must end in .kurv or .txt");
  }
  std::vector<Transform> transforms;
  if (ParseTransforms(parsed, transforms) != kExitOk) return kExitUsage;
  const bool scale_width = parsed.Has("--scale-width");
  CourseDocument document;
  if (LoadDocument(paths[0], document) != kExitOk) return kExitFailed;
  for (const Transform& t : transforms) {
    const std::vector<double>& v = t.values;
    if (t.option == "--translate") document.Translate(v[0], v[1], v[2]);
    if (t.option == "--rotate") document.Rotate(v[0], v[1], v[2]);
    if (t.option == "--scale") document.Scale(v[0], scale_width);
    if (t.option == "--center") document.CenterTrack();
  }
  const FileOutcome saved = SaveCourseOutput(paths[1], document.course(), paths[0]);
  return saved.ok ? kExitOk : Fail(saved);
}

}  // namespace kurvex::cli
