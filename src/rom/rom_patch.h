#pragma once
// The Patch to ROM job, shared by the Patch to ROM window and kurvex-cli: an output image made
// from an input image with up to 24 courses encoded into their slots, the name, description,
// horizon and music tables re-packed, and on request the header checksum recomputed.
//
// The input is only ever read. Every course file is read before anything is written, and the
// output is written once, complete, through a temporary file beside it, or not at all.

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "course/course.h"
#include "course/course_files.h"
#include "course/file_write.h"
#include "course/message.h"
#include "rom/rom_layout.h"

namespace kurvex {

// Reads a course file into the course (which starts as the new course).
using CourseLoader = std::function<FileOutcome(const std::string& source, Course& course)>;

// What to do when a course cannot be read or encoded.
enum class FailedSlots {
  kSkip,          // the Patch to ROM window's way: those slots keep the input's course
  kWriteNothing,  // all or nothing: no output is written, an existing one stays as it was
};

struct PatchRequest {
  std::string input_path;
  std::string output_path;
  std::array<std::string, kSlotCount> course_files;  // per slot; empty keeps the input's course
  bool checksum = false;
  CourseLoader loader;  // LoadKurvFile when empty
  FailedSlots failed_slots = FailedSlots::kSkip;
  // Files the loader reads besides the course files as named (a ROM a slot is taken from), and
  // any others the output must not replace. The input and the course files are always inputs.
  InputFiles inputs;
};

enum PatchResult : int16_t {
  kPatchUnknownError = -1,
  kPatchOk = 0,             // the output was written, though some slots may have problems
  kPatchInputError = 1,     // the input could not be opened, identified or its tables read
  kPatchSameFile = 2,       // the output names the input file
  kPatchWriteError = 3,     // the output could not be written (or is one of the course files);
                            // an existing file is unharmed
  kPatchCoursesFailed = 4,  // FailedSlots::kWriteNothing and a course failed: nothing written
};

enum class SlotProblemKind {
  // Failures: the slot keeps the input's course (or, all or nothing, nothing is written).
  kLoadFailed,    // the course file could not be read
  kEncodeFailed,  // the course does not fit the game's record
  // Notices: the slot was patched.
  kShortened,  // its name, description or horizons were cut to fit their blocks
  kNotices,    // the loader did not take every line of the course file as written
};

bool IsSlotFailure(SlotProblemKind kind);

struct SlotProblem {
  int slot = 0;
  SlotProblemKind kind = SlotProblemKind::kLoadFailed;
  std::string source;                // the slot's course file as requested
  Message message;                   // kLoadFailed: the loader's message
  std::string reason;                // kLoadFailed: the loader's reason ("a.kurv: ...")
  std::vector<std::string> notices;  // kNotices: the loader's notices
};

struct PatchOutcome {
  int16_t code = kPatchOk;
  // The failure's message; for kPatchOk the list of slot problems the window shows, or empty.
  Message message;
  std::string reason;                 // for kPatchInputError and kPatchWriteError: "PATH: why"
  std::vector<SlotProblem> problems;  // in slot order
  bool HasFailedSlots() const;
};

std::string PatchResultText(int code);

PatchOutcome PatchRom(const PatchRequest& request);

// The path with the suffix inserted before the file name's extension, or appended when the
// name has none: "roms/fzx.z64" and "_mfd" give "roms/fzx_mfd.z64".
std::string FNSuff(const std::string& path, const std::string& suffix);

}  // namespace kurvex
