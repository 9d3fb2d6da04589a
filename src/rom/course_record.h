#pragma once
// A cup course between the game's form (the slot's 2016-byte course record plus its entries in
// the name, description, horizon and music tables) and the Course record.

#include <cstdint>

#include "course/course.h"
#include "rom/rom_image.h"
#include "rom/rom_tables.h"

namespace kurvex {

enum RomCourseResult : int16_t {
  kRomCourseFailed = -1,
  kRomCourseOk = 0,
};

// Parses a record in Z64 order: the four header bytes, all 64 points whatever PointCount says,
// the bank angles and the nine feature arrays. Non-finite coordinates read as 0.
void ParseCourseRecord(const uint8_t* raw, Course& course);
// Builds a record: points above PointCount, their bank angles and features become zeros, and
// so do the 28 bytes after the header. Returns false, with raw untouched, when PointCount is
// not 4..64 or a width, flag, track code or bank angle does not fit its 16 bits.
bool BuildCourseRecord(const Course& course, uint8_t* raw);

// Reads slot 1..24 of the image into the course (the record itself is kept in RawRecord, in Z64
// order) with its name, the description for the image's region, music and horizons, then
// validates it. EkMusic becomes 0 and Source empty. Returns kRomCourseFailed, leaving the
// course unchanged, for a slot out of range, an image without a layout, or a record that does
// not hold 4..64 points.
int16_t DecodeCourse(int slot, const RomImage& rom, const RomTables& tables, Course& course);

// Writes the course into its RawRecord (Z64 order) and into the tables' entries of the slot,
// the description chosen and encoded for the region ('J' takes JDescription). EkMusic has no
// place in the game. Returns kRomCourseFailed, with nothing changed, for a slot out of range,
// more than six horizons, or a course that BuildCourseRecord refuses.
int16_t EncodeCourse(int slot, Course& course, char region, RomTables& tables);

}  // namespace kurvex
