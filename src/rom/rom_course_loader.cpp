#include "rom/rom_course_loader.h"

#include "course/message.h"
#include "course/path_text.h"
#include "rom/course_record.h"
#include "rom/rom_layout.h"

namespace kurvex {

FileOutcome OpenRomWithTables(const std::string& path, RomImage& rom, RomTables& tables,
                              DamagedTables damaged) {
  std::string reason;
  const int16_t opened = rom.OpenRom(path, &reason);
  if (opened != kRomOk) return {false, FileCheck(opened, rom.region_byte()), reason, {}};
  const int16_t read = ReadRomTables(rom, tables);
  const bool usable =
      read == kRomTablesOk || (read == kRomTablesDamaged && damaged == DamagedTables::kRead);
  if (!usable) {
    return {false, RomTablesMessage(read), PathText(path) + ": " + RomTablesResultText(read), {}};
  }
  return {};
}

Message BadCourseRecordMessage(int slot) {
  return MakeMessage("Error: Bad course record",
                     {"The course record of " + SlotName(slot) + " in the ROM file",
                      "does not hold a course of 4 to 64 CTL points."});
}

FileOutcome LoadCourseFromRom(const std::string& path, int slot, Course& course) {
  RomImage rom;
  RomTables tables;
  FileOutcome outcome = OpenRomWithTables(path, rom, tables);
  if (!outcome.ok) return outcome;
  if (DecodeCourse(slot, rom, tables, course) != kRomCourseOk) {
    return {false,
            BadCourseRecordMessage(slot),
            PathText(path) + ": the record of " + SlotName(slot) + " holds no course",
            {}};
  }
  return {};
}

}  // namespace kurvex
