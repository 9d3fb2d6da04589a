// What render and export-obj draw from: the course, the settings file and the textures.
#include <string>

#include "cli/cli.h"
#include "preview/settings_file.h"
#include "rom/texture_source.h"

namespace kurvex::cli {

int LoadDrawingInputs(const std::string& course, const std::string& settings,
                      const std::string& textures, DrawingInputs* inputs) {
  if (LoadCourseArgument(course, inputs->course) != kExitOk) return kExitFailed;
  if (!settings.empty()) {
    std::string reason;
    if (LoadSettingsFile(settings, inputs->settings, &reason) != kSettingsOk) {
      PrintNotices("", {reason, SettingsMessage(kSettingsLoadFailed)});
    }
  }
  if (!textures.empty()) {
    const FileOutcome loaded = LoadTextureSource(textures, inputs->textures);
    if (!loaded.ok) return Fail(loaded);
    inputs->textured = true;
  }
  return kExitOk;
}

InputFiles DrawingInputFiles(const std::string& course, const std::string& settings,
                             const std::string& textures) {
  return {CourseArgumentFile(course), settings, textures};
}

}  // namespace kurvex::cli
