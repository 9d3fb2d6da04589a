// The commands on ROM images: rom-info, extract, patch and checksum.
#include <cstdio>
#include <filesystem>

#include "cli/cli.h"
#include "course/course_files.h"
#include "course/game_text.h"
#include "course/message.h"
#include "course/rom_text.h"
#include "rom/course_record.h"
#include "rom/header_checksum.h"
#include "rom/rom_course_loader.h"
#include "rom/rom_layout.h"
#include "rom/rom_patch.h"

namespace kurvex::cli {

namespace {

int Print(const std::string& text) {
  std::fwrite(text.data(), 1, text.size(), stdout);
  return std::fflush(stdout) == 0 ? kExitOk : kExitFailed;
}

Message WriteFailure(const std::string& error, const std::string& last_line) {
  return MakeMessage("Error: File access error",
                     {"A file I/O error occurred while trying to write", error, last_line});
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
  return true;
}

FileOutcome LoadForPatch(const std::string& source, Course& course) {
  FileOutcome outcome;
  outcome.ok = LoadCourseArgument(source, course, &outcome.message);
  return outcome;
}

}  // namespace

int RunRomInfo(const Args& args) {
  if (args.size() != 1) return UsageError("rom-info", "expects one ROM image");
  RomImage rom;
  RomTables tables;
  const FileOutcome opened = OpenRomWithTables(args[0], rom, tables);
  if (!opened.ok) return Fail(opened.message);
  std::string text =
      "Region: " + std::string(1, rom.region()) + " (" + RegionName(rom.region()) + ")\n";
  text += std::string("Byte order: ") + (rom.byte_swapped() ? "V64" : "Z64") + "\n";
  for (int slot = 1; slot <= kSlotCount; ++slot) {
    const std::string name = NormaliseName(DecodeRomName(tables.rom_course_names[slot - 1]));
    text += SlotName(slot) + ": " + StrEnc(name) + "\n";
  }
  return Print(text);
}

int RunExtract(const Args& args) {
  if (args.size() != 2) return UsageError("extract", "expects a ROM image and an output folder");
  RomImage rom;
  RomTables tables;
  const FileOutcome opened = OpenRomWithTables(args[0], rom, tables);
  if (!opened.ok) return Fail(opened.message);
  std::error_code made;
  std::filesystem::create_directories(args[1], made);
  if (made) return Fail(WriteFailure(args[1] + ": " + made.message(), "Nothing was extracted."));
  int status = kExitOk;
  for (int slot = 1; slot <= kSlotCount; ++slot) {
    Course course;
    if (DecodeCourse(slot, rom, tables, course) != kRomCourseOk) {
      status = Fail(BadCourseRecordMessage(slot));
      continue;
    }
    const FileOutcome saved =
        SaveKurvFile((std::filesystem::path(args[1]) / ExtractName(slot)).string(), course);
    if (!saved.ok) status = Fail(saved.message);
  }
  return status;
}

int RunPatch(const Args& args) {
  PatchRequest request;
  Args paths;
  for (size_t i = 0; i < args.size(); ++i) {
    std::string complaint;
    if (args[i] == "--checksum") {
      request.checksum = true;
    } else if (args[i] == "--slot") {
      if (i + 1 == args.size()) return UsageError("patch", "--slot expects SLOT=COURSE");
      if (!AddSlot(args[++i], request, &complaint)) return UsageError("patch", complaint);
    } else if (args[i].size() > 1 && args[i][0] == '-') {
      return UsageError("patch", "unknown option " + args[i]);
    } else {
      paths.push_back(args[i]);
    }
  }
  if (paths.size() != 2) return UsageError("patch", "expects an input and an output ROM image");
  request.input_path = paths[0];
  request.output_path = paths[1];
  request.loader = LoadForPatch;
  const PatchOutcome outcome = PatchRom(request);
  if (outcome.code != kPatchOk) return Fail(outcome.message);
  if (outcome.problems.empty()) return kExitOk;
  for (const SlotProblem& problem : outcome.problems) {
    if (!problem.message.empty()) Fail(problem.message);
  }
  return Fail(outcome.message);
}

int RunChecksum(const Args& args) {
  bool fix = false;
  Args paths;
  for (const std::string& arg : args) {
    if (arg == "--fix") {
      fix = true;
    } else if (arg.size() > 1 && arg[0] == '-') {
      return UsageError("checksum", "unknown option " + arg);
    } else {
      paths.push_back(arg);
    }
  }
  if (paths.size() != 1) return UsageError("checksum", "expects one ROM image");
  RomImage rom;
  const int16_t opened = rom.OpenRom(paths[0]);
  if (opened != kRomOk) return Fail(FileCheck(opened, rom.region_byte()));
  const HeaderChecksum stored = StoredHeaderChecksum(rom);
  const HeaderChecksum computed = ComputeHeaderChecksum(rom);
  char text[128];
  std::snprintf(text, sizeof text,
                "CRC1 stored %08X computed %08X\nCRC2 stored %08X computed %08X\n", stored.crc1,
                computed.crc1, stored.crc2, computed.crc2);
  if (Print(text) != kExitOk) return kExitFailed;
  if (stored == computed) return kExitOk;
  if (!fix) return kExitFailed;
  WriteHeaderChecksum(rom, computed);
  std::string error;
  if (!rom.SaveRom(paths[0], &error))
    return Fail(WriteFailure(error, "The file was left as it was."));
  return kExitOk;
}

}  // namespace kurvex::cli
