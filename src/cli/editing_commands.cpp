// The commands that edit a whole course: stats, friendly, transform.
#include <cstdio>
#include <cstdlib>
#include <sstream>

#include "cli/cli.h"
#include "editing/course_document.h"
#include "editing/course_stats.h"
#include "editing/edit_result.h"

namespace kurvex::cli {

namespace {

// Reads "A,B,C" (count numbers separated by commas).
bool ParseNumbers(const std::string& text, size_t count, std::vector<double>& numbers) {
  numbers.clear();
  std::stringstream parts(text);
  std::string part;
  while (std::getline(parts, part, ',')) {
    char* end = nullptr;
    const double value = std::strtod(part.c_str(), &end);
    if (part.empty() || *end != '\0') return false;
    numbers.push_back(value);
  }
  return numbers.size() == count;
}

// Loads COURSE into a document, as the editor does when it opens a course.
bool LoadDocument(const std::string& argument, CourseDocument& document, Message* message) {
  Course course;
  if (!LoadCourseArgument(argument, course, message)) return false;
  document.Replace(course);
  return true;
}

// One whole-course operation of the transform command.
struct Transform {
  std::string option;
  std::vector<double> values;
};

int ParseTransforms(const Args& args, std::vector<Transform>& transforms, bool& scale_width) {
  for (size_t i = 2; i < args.size(); ++i) {
    const std::string& option = args[i];
    if (option == "--scale-width") {
      scale_width = true;
      continue;
    }
    if (option == "--center") {
      transforms.push_back({option, {}});
      continue;
    }
    const size_t count = option == "--scale" ? 1 : (option == "--translate" || option == "--rotate") ? 3 : 0;
    if (count == 0) return UsageError("transform", "unknown option " + option);
    if (i + 1 >= args.size()) return UsageError("transform", option + " needs a value");
    Transform transform{option, {}};
    if (!ParseNumbers(args[++i], count, transform.values)) {
      return UsageError("transform", "bad value for " + option + ": " + args[i]);
    }
    if (option == "--scale" && !(transform.values[0] > 0)) {
      return UsageError("transform", "the scale factor must be above 0");
    }
    transforms.push_back(transform);
  }
  return kExitOk;
}

}  // namespace

int RunStats(const Args& args) {
  if (args.size() != 1) return UsageError("stats", "expects one course");
  CourseDocument document;
  Message message;
  if (!LoadDocument(args[0], document, &message)) return Fail(message);
  for (const std::string& line : StatsLines(Stats(document.course(), document.prepared()))) {
    std::printf("%s\n", line.c_str());
  }
  return std::fflush(stdout) == 0 ? kExitOk : kExitFailed;
}

int RunFriendly(const Args& args) {
  if (args.size() != 3 || (args[0] != "--ek" && args[0] != "--rom")) {
    return UsageError("friendly", "expects --ek or --rom, a course and an output file");
  }
  if (!IsCourseOutputName(args[2])) return UsageError("friendly", "OUT must end in .kurv or .txt");
  CourseDocument document;
  Message message;
  if (!LoadDocument(args[1], document, &message)) return Fail(message);
  if (args[0] == "--rom") {
    document.RomFriendly();
  } else {
    for (const Message& report : document.EkFriendly()) {
      std::fprintf(stderr, "%s\n", report.Text().c_str());
    }
  }
  if (!SaveCourseOutput(args[2], document.course(), &message)) return Fail(message);
  return kExitOk;
}

int RunTransform(const Args& args) {
  if (args.size() < 2) return UsageError("transform", "expects a course and an output file");
  if (!IsCourseOutputName(args[1])) return UsageError("transform", "OUT must end in .kurv or .txt");
  std::vector<Transform> transforms;
  bool scale_width = false;
  if (const int status = ParseTransforms(args, transforms, scale_width); status != kExitOk) {
    return status;
  }
  CourseDocument document;
  Message message;
  if (!LoadDocument(args[0], document, &message)) return Fail(message);
  for (const Transform& t : transforms) {
    const std::vector<double>& v = t.values;
    if (t.option == "--translate") document.Translate(v[0], v[1], v[2]);
    if (t.option == "--rotate") document.Rotate(v[0], v[1], v[2]);
    if (t.option == "--scale") document.Scale(v[0], scale_width);
    if (t.option == "--center") document.CenterTrack();
  }
  if (!SaveCourseOutput(args[1], document.course(), &message)) return Fail(message);
  return kExitOk;
}

}  // namespace kurvex::cli
