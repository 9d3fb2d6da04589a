#include "rom/rom_patch.h"

#include <algorithm>
#include <memory>

#include "course/message.h"
#include "course/new_course.h"
#include "course/path_text.h"
#include "rom/course_record.h"
#include "rom/header_checksum.h"
#include "rom/rom_course_loader.h"
#include "rom/rom_tables.h"

namespace kurvex {

namespace {

// Everything the job reads, which the output must never replace.
InputFiles InputsOf(const PatchRequest& request) {
  InputFiles inputs = request.inputs;
  inputs.Add(request.input_path);
  for (const std::string& file : request.course_files) inputs.Add(file);
  return inputs;
}

PatchOutcome Failure(int16_t code, Message message, std::string reason = "") {
  return {code, std::move(message), std::move(reason), {}};
}

std::string ProblemLine(const SlotProblem& problem) {
  switch (problem.kind) {
    case SlotProblemKind::kEncodeFailed:
      return SlotName(problem.slot) + " (the course does not fit the game's course record)";
    case SlotProblemKind::kShortened:
      return SlotName(problem.slot) + " (name, description or horizons cut to fit the ROM)";
    case SlotProblemKind::kNotices:
      return SlotName(problem.slot) + " (lines of its file not taken as written)";
    case SlotProblemKind::kLoadFailed:
    default:
      return SlotName(problem.slot);
  }
}

Message ProblemsMessage(const std::vector<SlotProblem>& problems) {
  if (problems.empty()) return {};
  Message message = MakeMessage(
      "", {"The following courses encountered", "errors while attempting to patch:", ""});
  for (const SlotProblem& problem : problems) message.lines.push_back(ProblemLine(problem));
  return message;
}

// All or nothing: the failed slots only, and that nothing was written.
Message NothingWrittenMessage(const std::vector<SlotProblem>& problems) {
  Message message =
      MakeMessage("Error: Courses could not be patched",
                  {"The following courses encountered", "errors while attempting to patch:", ""});
  for (const SlotProblem& problem : problems) {
    if (IsSlotFailure(problem.kind)) message.lines.push_back(ProblemLine(problem));
  }
  message.lines.push_back("");
  message.lines.push_back("Nothing was written.");
  return message;
}

void SortBySlot(std::vector<SlotProblem>& problems) {
  std::stable_sort(problems.begin(), problems.end(),
                   [](const SlotProblem& a, const SlotProblem& b) { return a.slot < b.slot; });
}

// Reads every assigned course file; a slot whose file fails is listed and left out.
std::vector<std::unique_ptr<Course>> LoadCourses(const PatchRequest& request,
                                                 std::vector<SlotProblem>& problems) {
  const CourseLoader load = request.loader ? request.loader : CourseLoader(LoadKurvFile);
  std::vector<std::unique_ptr<Course>> courses(kSlotCount);
  for (int slot = 1; slot <= kSlotCount; ++slot) {
    const std::string& file = request.course_files[slot - 1];
    if (file.empty()) continue;
    auto course = std::make_unique<Course>(NewCourse());
    const FileOutcome loaded = load(file, *course);
    if (!loaded.ok) {
      problems.push_back(
          {slot, SlotProblemKind::kLoadFailed, file, loaded.message, loaded.reason, {}});
      continue;
    }
    if (!loaded.notices.empty()) {
      problems.push_back({slot, SlotProblemKind::kNotices, file, {}, "", loaded.notices});
    }
    courses[slot - 1] = std::move(course);
  }
  return courses;
}

// Encodes each course into the image and the tables; a course that cannot be encoded is left
// out whole, so its slot keeps the input's record and entries.
void EncodeCourses(const PatchRequest& request, std::vector<std::unique_ptr<Course>>& courses,
                   RomImage& rom, RomTables& tables, std::vector<SlotProblem>& problems) {
  for (int slot = 1; slot <= kSlotCount; ++slot) {
    Course* course = courses[slot - 1].get();
    if (!course) continue;
    if (EncodeCourse(slot, *course, rom.region(), tables) != kRomCourseOk ||
        !rom.WriteBlock(CourseRecordOffset(slot, rom.region()), course->RawRecord.data(),
                        kRawRecordSize)) {
      problems.push_back(
          {slot, SlotProblemKind::kEncodeFailed, request.course_files[slot - 1], {}, "", {}});
    }
  }
}

}  // namespace

bool IsSlotFailure(SlotProblemKind kind) {
  return kind == SlotProblemKind::kLoadFailed || kind == SlotProblemKind::kEncodeFailed;
}

bool PatchOutcome::HasFailedSlots() const {
  return std::any_of(problems.begin(), problems.end(),
                     [](const SlotProblem& problem) { return IsSlotFailure(problem.kind); });
}

std::string PatchResultText(int code) {
  switch (code) {
    case kPatchUnknownError:
      return "Unknown error";
    case kPatchOk:
      return "Successful";
    case kPatchInputError:
      return "Error with Input ROM file";
    case kPatchSameFile:
      return "Error with Output ROM file";
    case kPatchWriteError:
      return "File access error";
    case kPatchCoursesFailed:
      return "Courses could not be patched";
    default:
      return "(Invalid error number)";
  }
}

PatchOutcome PatchRom(const PatchRequest& request) {
  RomImage rom;
  RomTables tables;
  const FileOutcome opened =
      OpenRomWithTables(request.input_path, rom, tables, DamagedTables::kRefuse);
  if (!opened.ok) return Failure(kPatchInputError, opened.message, opened.reason);
  if (InputFiles{request.input_path}.Holds(request.output_path)) {
    return Failure(kPatchSameFile,
                   MakeMessage("Error with Output ROM file",
                               {"Input ROM and Output ROM cannot be",
                                "The same. Please specify a different", "Output ROM."}),
                   PathText(request.output_path) + ": the input ROM itself");
  }

  PatchOutcome outcome;
  std::vector<SlotProblem>& problems = outcome.problems;
  std::vector<std::unique_ptr<Course>> courses = LoadCourses(request, problems);
  EncodeCourses(request, courses, rom, tables, problems);
  SortBySlot(problems);
  if (request.failed_slots == FailedSlots::kWriteNothing && outcome.HasFailedSlots()) {
    outcome.code = kPatchCoursesFailed;
    outcome.message = NothingWrittenMessage(problems);
    return outcome;
  }
  ShortenedSlots shortened{};
  if (WriteRomTables(rom, tables, &shortened) != kRomTablesOk) {
    return Failure(kPatchUnknownError, RomTablesMessage(kRomTablesUnknownError));
  }
  for (int slot = 1; slot <= kSlotCount; ++slot) {
    if (shortened[slot - 1]) {
      problems.push_back({slot, SlotProblemKind::kShortened, "", {}, "", {}});
    }
  }
  if (request.checksum) WriteHeaderChecksum(rom, ComputeHeaderChecksum(rom));

  std::string error;
  if (!rom.SaveRom(request.output_path, &error, InputsOf(request))) {
    return Failure(
        kPatchWriteError,
        MakeMessage("Error: File access error",
                    {"A file I/O error occurred while trying to write",
                     "the output ROM. An existing file of that name", "was left as it was."}),
        error);
  }
  SortBySlot(problems);
  outcome.message = ProblemsMessage(problems);
  return outcome;
}

std::string FNSuff(const std::string& path, const std::string& suffix) {
  const size_t folder_end = path.find_last_of("/\\");
  const size_t name_start = folder_end == std::string::npos ? 0 : folder_end + 1;
  const size_t dot = path.rfind('.');
  if (dot == std::string::npos || dot < name_start) return path + suffix;
  return path.substr(0, dot) + suffix + path.substr(dot);
}

}  // namespace kurvex
