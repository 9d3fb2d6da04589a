#pragma once
// kurvex-cli: each command is a function from its arguments to an exit status.
//
// What a command prints is a contract: standard output carries the command's result only;
// standard error carries, one line each and with plain line ends, the notices of what was read
// but not taken as written ("big.txt: line 3: ..."), and on failure the file and the reason
// ("a.kurv: No such file or directory") followed by the editor's message.

#include <string>
#include <vector>

#include "course/course.h"
#include "course/course_files.h"
#include "course/message.h"
#include "preview/settings_file.h"
#include "rom/texture_store.h"

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
int RunCheck(const Args& args);
int RunFriendly(const Args& args);
int RunTransform(const Args& args);
int RunExportObj(const Args& args);
// Whether this build draws frames; without it, render only says that it cannot.
bool RenderAvailable();

// --- Output (output.cpp) ---

// Prints the reason, when there is one, on a line of its own, then the message; returns
// kExitFailed.
int Fail(const Message& message, const std::string& reason = "");
int Fail(const FileOutcome& outcome);  // its notices are the caller's to print
// One line on standard error per notice, each "SOURCE: notice".
void PrintNotices(const std::string& source, const std::vector<std::string>& notices);
// Writes to standard output; a failure (a full disk, a closed pipe) is reported and gives
// kExitFailed.
int PrintOutput(const std::string& text);

// --- Usage (main.cpp) ---

// A usage complaint, the command's usage lines and a hint to --help; returns kExitUsage.
int UsageError(const std::string& command, const std::string& complaint);
// An unknown option: one line and the hint; returns kExitUsage.
int UnknownOption(const std::string& command, const std::string& option);

// --- Course arguments (course_arguments.cpp) ---

// Reads a COURSE argument: a KURV file, a track text file (*.txt) or a ROM slot ROMPATH@SLOT.
FileOutcome ReadCourseArgument(const std::string& argument, Course& course);
// The same, printing the notices, or the failure; kExitOk or kExitFailed.
int LoadCourseArgument(const std::string& argument, Course& course);
// The file a COURSE argument reads: the ROM of ROMPATH@SLOT, else the argument itself.
std::string CourseArgumentFile(const std::string& argument);
// Writes OUT in the form its extension names: *.kurv or *.txt.
bool IsCourseOutputName(const std::string& path);
// What render and export-obj draw from: COURSE, a --settings FILE (an opts.cfg file; one that
// cannot be read is a notice, as in the editor, and the values read so far or the defaults
// stay) and --textures ROM|DUMP. Empty options are left out. kExitOk, or kExitFailed after
// printing why.
struct DrawingInputs {
  Course course;
  Settings settings;
  TextureStore textures;
  bool textured = false;
};
int LoadDrawingInputs(const std::string& course, const std::string& settings,
                      const std::string& textures, DrawingInputs* inputs);
// The files LoadDrawingInputs reads.
InputFiles DrawingInputFiles(const std::string& course, const std::string& settings,
                             const std::string& textures);
// Refuses a path that is the file COURSE reads.
FileOutcome SaveCourseOutput(const std::string& path, const Course& course,
                             const std::string& course_argument = "");

}  // namespace kurvex::cli
