// The export-obj command: the course as the preview draws it, as a Wavefront OBJ model with its
// material library and, with textures, the pictures it shows.
#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

#include "cli/cli.h"
#include "cli/options.h"
#include "preview/model_export.h"

namespace kurvex::cli {

namespace {

struct ExportOptions {
  std::string course;
  std::string out;
  std::string textures;
  std::string settings;
};

bool EndsWithObj(const std::string& path) {
  if (path.size() < 5) return false;
  std::string tail = path.substr(path.size() - 4);
  std::transform(tail.begin(), tail.end(), tail.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return tail == ".obj";
}

bool SameFile(const std::string& a, const std::string& b) {
  std::error_code error;
  return std::filesystem::equivalent(a, b, error) && !error;
}

// The input that the model or its library would replace, "" for none: a course file may have
// any extension, so OUT.obj could name it.
std::string InputReplaced(const ExportOptions& options) {
  const std::string library = std::filesystem::path(options.out).replace_extension(".mtl").string();
  const std::string rom = options.course.substr(0, options.course.rfind('@'));
  for (const std::string& input : {options.course, rom, options.textures, options.settings}) {
    if (input.empty()) continue;
    if (SameFile(input, options.out) || SameFile(input, library)) return input;
  }
  return "";
}

// Returns an empty text when the arguments are good, else the complaint.
std::string ReadOptions(const ParsedArgs& parsed, ExportOptions* options) {
  for (const auto& [option, value] : parsed.options) {
    (option == "--textures" ? options->textures : options->settings) = value;
  }
  if (parsed.positional.size() != 2) return "expects COURSE and OUT.obj";
  options->course = parsed.positional[0];
  options->out = parsed.positional[1];
  if (!EndsWithObj(options->out)) return "OUT must end in .obj";
  const std::string replaced = InputReplaced(*options);
  if (!replaced.empty()) return "OUT or its library would replace the input " + replaced;
  return "";
}

}  // namespace

int RunExportObj(const Args& args) {
  ParsedArgs parsed;
  const int status =
      ParseArgs("export-obj", args, {{"--textures", true}, {"--settings", true}}, &parsed);
  if (status != kExitOk) return status;
  ExportOptions options;
  const std::string complaint = ReadOptions(parsed, &options);
  if (!complaint.empty()) return UsageError("export-obj", complaint);

  DrawingInputs inputs;
  if (LoadDrawingInputs(options.course, options.settings, options.textures, &inputs) != kExitOk) {
    return kExitFailed;
  }
  std::string detail;
  const int16_t result =
      ExportCourseModel(inputs.course, inputs.textured ? &inputs.textures : nullptr,
                        inputs.settings.graphics, options.out, &detail);
  if (result != kModelExportOk) return Fail(ModelExportMessage(result, detail));
  return kExitOk;
}

}  // namespace kurvex::cli
