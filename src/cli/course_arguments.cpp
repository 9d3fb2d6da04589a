#include <cctype>
#include <filesystem>

#include "cli/cli.h"
#include "course/course_files.h"
#include "course/message.h"
#include "course/new_course.h"
#include "rom/rom_course_loader.h"
#include "rom/rom_layout.h"

namespace kurvex::cli {

namespace {

bool HasExtension(const std::string& path, const std::string& extension) {
  if (path.size() < extension.size()) return false;
  for (size_t i = 0; i < extension.size(); ++i) {
    const char c = path[path.size() - extension.size() + i];
    if (std::tolower(static_cast<unsigned char>(c)) != extension[i]) return false;
  }
  return true;
}

bool Report(const FileOutcome& outcome, Message* message) {
  if (!outcome.ok && message) *message = outcome.message;
  return outcome.ok;
}

// ROMPATH@SLOT: the text after the last "@" names a slot. A name with an "@" that names no
// slot is still a course file when such a file exists.
bool SplitRomSlot(const std::string& argument, std::string* rom_path, int* slot,
                  Message* message) {
  const size_t at = argument.rfind('@');
  if (at == std::string::npos) return false;
  *rom_path = argument.substr(0, at);
  *slot = SlotFromText(argument.substr(at + 1));
  if (*slot != 0) return true;
  std::error_code error;
  if (std::filesystem::exists(argument, error)) return false;
  *message = MakeMessage("Error: Unknown course slot",
                         {"\"" + argument.substr(at + 1) + "\" names no course slot of the ROM.",
                          "SLOT is 1..24 or a slot name such as Jack1 or queen6."});
  return true;
}

}  // namespace

bool LoadCourseArgument(const std::string& argument, Course& course, Message* message) {
  // Text files start from a zeroed record in the new-course state, like a fresh editor.
  course = NewCourse();
  std::string rom_path;
  Message slot_message;
  int slot = 0;
  if (SplitRomSlot(argument, &rom_path, &slot, &slot_message)) {
    if (slot == 0) return Report({false, slot_message}, message);
    return Report(LoadCourseFromRom(rom_path, slot, course), message);
  }
  if (HasExtension(argument, ".txt")) {
    return Report(LoadTrackTextFile(argument, course), message);
  }
  return Report(LoadKurvFile(argument, course), message);
}

bool IsCourseOutputName(const std::string& path) {
  return HasExtension(path, ".kurv") || HasExtension(path, ".txt");
}

bool SaveCourseOutput(const std::string& path, const Course& course, Message* message) {
  if (HasExtension(path, ".txt")) return Report(SaveTrackTextFile(path, course), message);
  return Report(SaveKurvFile(path, course), message);
}

}  // namespace kurvex::cli
