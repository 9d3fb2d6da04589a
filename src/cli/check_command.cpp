// kurvex-cli check: what keeps a course from loading in the game or the Expansion Kit, as a
// linter reports it, for scripts and CI jobs that gate on it.
#include <cstdio>

#include "cli/cli.h"
#include "cli/options.h"
#include "editing/course_document.h"
#include "editing/course_problems.h"

namespace kurvex::cli {

namespace {

// A JSON string literal; the texts are ASCII, but anything below a blank is escaped all the same.
std::string JsonString(const std::string& text) {
  std::string out = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned char>(c));
      out += escaped;
    } else {
      out += c;
    }
  }
  return out + "\"";
}

bool NoneOf(const std::vector<CourseProblem>& problems, ProblemGroup group) {
  for (const CourseProblem& p : problems) {
    if (p.group == group) return false;
  }
  return true;
}

std::string ProblemsJson(const std::vector<CourseProblem>& problems) {
  const auto boolean = [](bool b) { return std::string(b ? "true" : "false"); };
  std::string text = "{\"rom_friendly\": " + boolean(NoneOf(problems, ProblemGroup::kRom)) +
                     ", \"ek_friendly\": " + boolean(NoneOf(problems, ProblemGroup::kEk)) +
                     ", \"problems\": [";
  for (size_t i = 0; i < problems.size(); ++i) {
    const CourseProblem& p = problems[i];
    text += std::string(i == 0 ? "" : ", ") + "{\"rule\": " + JsonString(p.rule) +
            ", \"point\": " + (p.point > 0 ? std::to_string(p.point) : "null") +
            ", \"text\": " + JsonString(p.text) + "}";
  }
  return text + "]}\n";
}

std::string ProblemsText(const std::vector<CourseProblem>& problems) {
  std::string text;
  for (const CourseProblem& p : problems) text += ProblemLine(p) + "\n";
  return text;
}

}  // namespace

int RunCheck(const Args& args) {
  ParsedArgs parsed;
  if (const int status = ParseArgs("check", args, {{"--json", false}}, &parsed);
      status != kExitOk) {
    return status;
  }
  if (parsed.positional.size() != 1) return UsageError("check", "expects one course");
  Course course;
  if (LoadCourseArgument(parsed.positional[0], course) != kExitOk) return kExitFailed;
  // Read the course as the editor opens it, so that both list the same problems.
  CourseDocument document;
  document.Replace(course);
  const std::vector<CourseProblem> problems =
      CourseProblems(document.course(), document.prepared());
  const int printed =
      PrintOutput(parsed.Has("--json") ? ProblemsJson(problems) : ProblemsText(problems));
  if (printed != kExitOk) return printed;
  return problems.empty() ? kExitOk : kExitFailed;
}

}  // namespace kurvex::cli
