#pragma once
// kurvex-cli: each command is a function from its arguments to an exit status.

#include <string>
#include <vector>

#include "course/course.h"
#include "course/message.h"

namespace kurvex {
struct Settings;
}  // namespace kurvex

namespace kurvex::cli {

enum ExitStatus { kExitOk = 0, kExitFailed = 1, kExitUsage = 2 };

using Args = std::vector<std::string>;

int RunNew(const Args& args);
int RunConvert(const Args& args);
int RunSheet(const Args& args);
int RunRomInfo(const Args& args);
int RunExtract(const Args& args);
int RunPatch(const Args& args);
int RunChecksum(const Args& args);
int RunTextures(const Args& args);
int RunRender(const Args& args);
int RunStats(const Args& args);
int RunFriendly(const Args& args);
int RunTransform(const Args& args);
int RunExportObj(const Args& args);

// Prints a failure message (title line, empty line, body lines) to standard error.
int Fail(const Message& message);
// Prints a usage complaint and the command's usage to standard error.
int UsageError(const std::string& command, const std::string& complaint);
std::string Usage(const std::string& command);

// Reads a COURSE argument: a KURV file, a track text file (*.txt) or a ROM slot ROMPATH@SLOT.
bool LoadCourseArgument(const std::string& argument, Course& course, Message* message);
// Writes OUT in the form its extension names: *.kurv or *.txt.
bool IsCourseOutputName(const std::string& path);
bool SaveCourseOutput(const std::string& path, const Course& course, Message* message);
// Reads a --settings FILE argument (an opts.cfg file).
bool LoadSettingsArgument(const std::string& path, Settings& settings, Message* message);

}  // namespace kurvex::cli
