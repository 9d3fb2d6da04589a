#include <cctype>
#include <filesystem>

#include "cli/cli.h"
#include "course/course_files.h"
#include "course/message.h"
#include "course/new_course.h"
#include "course/path_text.h"
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

// ROMPATH@SLOT: the text after the last "@" names a slot. A name with an "@" that names no
// slot is still a course file when such a file exists.
bool SplitRomSlot(const std::string& argument, std::string* rom_path, int* slot, Message* message) {
  const size_t at = argument.rfind('@');
  if (at == std::string::npos) return false;
  *rom_path = argument.substr(0, at);
  *slot = SlotFromText(argument.substr(at + 1));
  if (*slot != 0) return true;
  std::error_code error;
  if (std::filesystem::exists(std::filesystem::u8path(argument), error)) return false;
  *message = MakeMessage("Error: Unknown course slot",
                         {"\"" + argument.substr(at + 1) + "\" names no course slot of the ROM.",
                          "SLOT is 1..24 or a slot name such as Jack1 or queen6."});
  return true;
}

}  // namespace

FileOutcome ReadCourseArgument(const std::string& argument, Course& course) {
  // Text files start from a zeroed record in the new-course state, like a fresh editor.
  course = NewCourse();
  std::string rom_path;
  Message slot_message;
  int slot = 0;
  if (SplitRomSlot(argument, &rom_path, &slot, &slot_message)) {
    if (slot == 0) return {false, slot_message, PathText(argument) + ": no such course slot", {}};
    return LoadCourseFromRom(rom_path, slot, course);
  }
  if (HasExtension(argument, ".txt")) return LoadTrackTextFile(argument, course);
  return LoadKurvFile(argument, course);
}

int LoadCourseArgument(const std::string& argument, Course& course) {
  const FileOutcome outcome = ReadCourseArgument(argument, course);
  PrintNotices(argument, outcome.notices);
  return outcome.ok ? kExitOk : Fail(outcome);
}

std::string CourseArgumentFile(const std::string& argument) {
  std::string rom_path;
  Message ignored;
  int slot = 0;
  return SplitRomSlot(argument, &rom_path, &slot, &ignored) && slot != 0 ? rom_path : argument;
}

bool IsCourseOutputName(const std::string& path) {
  return HasExtension(path, ".kurv") || HasExtension(path, ".txt");
}

FileOutcome SaveCourseOutput(const std::string& path, const Course& course,
                             const std::string& course_argument) {
  const InputFiles inputs{CourseArgumentFile(course_argument)};
  if (HasExtension(path, ".txt")) return SaveTrackTextFile(path, course, inputs);
  return SaveKurvFile(path, course, inputs);
}

}  // namespace kurvex::cli
