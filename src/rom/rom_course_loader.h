#pragma once
// Opening an image for its courses, with the user message of every failure: shared by the
// editor's Load Course from ROM, the Patch to ROM job and kurvex-cli.

#include <string>

#include "course/course.h"
#include "course/course_files.h"
#include "course/message.h"
#include "rom/rom_image.h"
#include "rom/rom_tables.h"

namespace kurvex {

// What to do with table entries that point outside their blocks: reading a course can take
// them as empty, while a patch, which writes every slot's entries back, refuses the image.
enum class DamagedTables { kRead, kRefuse };

// OpenRom, then ReadRomTables. A failure's message is FileCheck's or RomTablesMessage's.
FileOutcome OpenRomWithTables(const std::string& path, RomImage& rom, RomTables& tables,
                              DamagedTables damaged = DamagedTables::kRead);

// The message for a slot whose record does not hold a course.
Message BadCourseRecordMessage(int slot);

// Reads slot 1..24 of the image at path into the course. On failure the course is unchanged.
FileOutcome LoadCourseFromRom(const std::string& path, int slot, Course& course);

}  // namespace kurvex
