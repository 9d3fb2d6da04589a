// The export-obj command: the course as the preview draws it, as a Wavefront OBJ model with its
// material library and, with textures, the pictures it shows.
#include <algorithm>
#include <cctype>

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

// Returns an empty text when the arguments are good, else the complaint.
std::string ReadOptions(const ParsedArgs& parsed, ExportOptions* options) {
  for (const auto& [option, value] : parsed.options) {
    (option == "--textures" ? options->textures : options->settings) = value;
  }
  if (parsed.positional.size() != 2) return "expects COURSE and OUT.obj";
  options->course = parsed.positional[0];
  options->out = parsed.positional[1];
  if (!EndsWithObj(options->out)) return "OUT must end in .obj";
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
  const int16_t result = ExportCourseModel(
      inputs.course, inputs.textured ? &inputs.textures : nullptr, inputs.settings.graphics,
      options.out, &detail, DrawingInputFiles(options.course, options.settings, options.textures));
  if (result == kModelExportWriteFailed) {
    // The file and the reason first, as every failure to write says it.
    return Fail(MakeMessage("Error: File access error", {"The model could not be written."}),
                detail);
  }
  if (result != kModelExportOk) return Fail(ModelExportMessage(result, detail));
  return kExitOk;
}

}  // namespace kurvex::cli
