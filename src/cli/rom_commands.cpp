// The commands on ROM images: rom-info, extract, patch and checksum.
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "cli/options.h"
#include "course/course_files.h"
#include "course/game_text.h"
#include "course/message.h"
#include "course/path_text.h"
#include "course/rom_text.h"
#include "rom/course_record.h"
#include "rom/header_checksum.h"
#include "rom/rom_course_loader.h"
#include "rom/rom_layout.h"
#include "rom/rom_patch.h"

namespace kurvex::cli {

namespace {

Message WriteFailure(const std::string& last_line) {
  return MakeMessage("Error: File access error",
                     {"A file I/O error occurred while trying to write.", last_line});
}

// "01-Jack1.kurv" .. "24-Joker6.kurv"
std::string ExtractName(int slot) {
  char name[32];
  std::snprintf(name, sizeof name, "%02d-%s%d.kurv", slot, CupName(slot - 1).c_str(),
                (slot - 1) % 6 + 1);
  return name;
}

// Reads "SLOT=COURSE" into the request; false with a complaint on a malformed assignment.
bool AddSlot(const std::string& assignment, PatchRequest& request, std::string* complaint) {
  const size_t equals = assignment.find('=');
  const int slot = equals == std::string::npos ? 0 : SlotFromText(assignment.substr(0, equals));
  if (slot == 0 || equals + 1 == assignment.size()) {
    *complaint =
        "--slot expects SLOT=COURSE with SLOT 1..24 or a slot name, not \"" + assignment + "\"";
    return false;
  }
  std::string& file = request.course_files[slot - 1];
  if (!file.empty()) {
    *complaint = "slot " + SlotName(slot) + " is given twice";
    return false;
  }
  file = assignment.substr(equals + 1);
  request.inputs.Add(CourseArgumentFile(file));
  return true;
}

// Every slot report: failures with their reason and message, notices one line each.
void PrintSlotProblems(const PatchOutcome& outcome) {
  for (const SlotProblem& problem : outcome.problems) {
    switch (problem.kind) {
      case SlotProblemKind::kLoadFailed:
        Fail(problem.message, problem.reason);
        break;
      case SlotProblemKind::kEncodeFailed:
        Fail(Message{},
             PathText(problem.source) + ": the course does not fit the game's course record");
        break;
      case SlotProblemKind::kShortened:
        PrintNotices(SlotName(problem.slot), {"name, description or horizons cut to fit the ROM"});
        break;
      case SlotProblemKind::kNotices:
        PrintNotices(problem.source, problem.notices);
        break;
    }
  }
}

}  // namespace

int RunRomInfo(const Args& args) {
  ParsedArgs parsed;
  if (const int status = ParseArgs("rom-info", args, {}, &parsed); status != kExitOk) {
    return status;
  }
  if (parsed.positional.size() != 1) return UsageError("rom-info", "expects one ROM image");
  RomImage rom;
  RomTables tables;
  const FileOutcome opened = OpenRomWithTables(parsed.positional[0], rom, tables);
  if (!opened.ok) return Fail(opened);
  std::string text =
      "Region: " + std::string(1, rom.region()) + " (" + RegionName(rom.region()) + ")\n";
  text += std::string("Byte order: ") + (rom.byte_swapped() ? "V64" : "Z64") + "\n";
  for (int slot = 1; slot <= kSlotCount; ++slot) {
    const std::string name = NormaliseName(DecodeRomName(tables.rom_course_names[slot - 1]));
    text += SlotName(slot) + ": " + StrEnc(name) + "\n";
  }
  return PrintOutput(text);
}

int RunExtract(const Args& args) {
  ParsedArgs parsed;
  if (const int status = ParseArgs("extract", args, {}, &parsed); status != kExitOk) {
    return status;
  }
  const Args& paths = parsed.positional;
  if (paths.size() != 2) return UsageError("extract", "expects a ROM image and an output folder");
  RomImage rom;
  RomTables tables;
  const FileOutcome opened = OpenRomWithTables(paths[0], rom, tables);
  if (!opened.ok) return Fail(opened);
  std::error_code made;
  std::filesystem::create_directories(std::filesystem::u8path(paths[1]), made);
  if (made) {
    return Fail(WriteFailure("Nothing was extracted."), PathText(paths[1]) + ": " + made.message());
  }
  std::vector<std::string> targets;
  for (int slot = 1; slot <= kSlotCount; ++slot) {
    targets.push_back((std::filesystem::u8path(paths[1]) / ExtractName(slot)).u8string());
  }
  const InputFiles inputs{paths[0]};
  std::string refusal;
  if (!NoInputAmong(targets, inputs, &refusal)) {
    return Fail(WriteFailure("Nothing was extracted."), refusal);
  }
  int status = kExitOk;
  for (int slot = 1; slot <= kSlotCount; ++slot) {
    Course course;
    if (DecodeCourse(slot, rom, tables, course) != kRomCourseOk) {
      status = Fail(BadCourseRecordMessage(slot));
      continue;
    }
    const FileOutcome saved = SaveKurvFile(targets[slot - 1], course, inputs);
    if (!saved.ok) status = Fail(saved);
  }
  return status;
}

int RunPatch(const Args& args) {
  ParsedArgs parsed;
  const int status = ParseArgs(
      "patch", args, {{"--slot", true}, {"--checksum", false}, {"--partial", false}}, &parsed);
  if (status != kExitOk) return status;
  PatchRequest request;
  for (const auto& [option, value] : parsed.options) {
    std::string complaint;
    if (option == "--slot" && !AddSlot(value, request, &complaint)) {
      return UsageError("patch", complaint);
    }
  }
  if (parsed.positional.size() != 2) {
    return UsageError("patch", "expects an input and an output ROM image");
  }
  request.input_path = parsed.positional[0];
  request.output_path = parsed.positional[1];
  request.checksum = parsed.Has("--checksum");
  request.failed_slots = parsed.Has("--partial") ? FailedSlots::kSkip : FailedSlots::kWriteNothing;
  request.loader = ReadCourseArgument;
  const PatchOutcome outcome = PatchRom(request);
  if (outcome.code != kPatchOk && outcome.code != kPatchCoursesFailed) {
    return Fail(outcome.message, outcome.reason);
  }
  PrintSlotProblems(outcome);
  if (outcome.code == kPatchCoursesFailed) return Fail(outcome.message);
  if (outcome.HasFailedSlots()) return Fail(outcome.message);
  return kExitOk;
}

int RunChecksum(const Args& args) {
  ParsedArgs parsed;
  if (const int status = ParseArgs("checksum", args, {{"--fix", false}}, &parsed);
      status != kExitOk) {
    return status;
  }
  if (parsed.positional.size() != 1) return UsageError("checksum", "expects one ROM image");
  const std::string& path = parsed.positional[0];
  RomImage rom;
  std::string reason;
  const int16_t opened = rom.OpenRom(path, &reason);
  if (opened != kRomOk) return Fail(FileCheck(opened, rom.region_byte()), reason);
  const HeaderChecksum stored = StoredHeaderChecksum(rom);
  const HeaderChecksum computed = ComputeHeaderChecksum(rom);
  char text[128];
  std::snprintf(text, sizeof text,
                "CRC1 stored %08X computed %08X\nCRC2 stored %08X computed %08X\n", stored.crc1,
                computed.crc1, stored.crc2, computed.crc2);
  if (PrintOutput(text) != kExitOk) return kExitFailed;
  if (stored == computed) return kExitOk;
  if (!parsed.Has("--fix")) return kExitFailed;
  WriteHeaderChecksum(rom, computed);
  std::string error;
  if (!rom.SaveRom(path, &error)) return Fail(WriteFailure("The file was left as it was."), error);
  return kExitOk;
}

}  // namespace kurvex::cli
