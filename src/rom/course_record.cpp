#include "rom/course_record.h"

#include <array>
#include <cstring>

#include "course/byte_buffer.h"
#include "course/rom_text.h"
#include "course/validate.h"
#include "rom/rom_layout.h"

namespace kurvex {

namespace {

constexpr size_t kUnusedSize = 28;  // after the header; carries nothing the editor uses

// The feature arrays in record order.
std::array<PointArray<uint8_t>*, 9> FeatureArrays(Course& c) {
  return {&c.PitArea,   &c.DashPlate, &c.DartZone,  &c.SlipZone,  &c.JumpPlate,
          &c.TrapField, &c.Gate,      &c.Structure, &c.Decoration};
}
std::array<const PointArray<uint8_t>*, 9> FeatureArrays(const Course& c) {
  return {&c.PitArea,   &c.DashPlate, &c.DartZone,  &c.SlipZone,  &c.JumpPlate,
          &c.TrapField, &c.Gate,      &c.Structure, &c.Decoration};
}

bool FitsU16(int32_t value) { return value >= 0 && value <= 0xFFFF; }

bool FitsRecord(const Course& c) {
  if (c.PointCount < kMinPoints || c.PointCount > kMaxPoints) return false;
  for (int i = 1; i <= c.PointCount; ++i) {
    const CtlPoint& p = c.Points[i];
    if (!FitsU16(p.LeftWidth) || !FitsU16(p.RightWidth) || !FitsU16(p.TrackFlags) ||
        !FitsU16(p.TrackCode) || !FitsU16(c.Banking[i])) {
      return false;
    }
  }
  return true;
}

void ReadPoint(ByteReader& in, CtlPoint& p) {
  p.X = in.Float32();
  p.Y = in.Float32();
  p.Z = in.Float32();
  p.LeftWidth = in.U16();
  p.RightWidth = in.U16();
  p.TrackFlags = in.U16();
  p.TrackCode = in.U16();
}

void WritePoint(ByteWriter& out, const CtlPoint& p) {
  out.Float32(p.X);
  out.Float32(p.Y);
  out.Float32(p.Z);
  out.U16(static_cast<uint16_t>(p.LeftWidth));
  out.U16(static_cast<uint16_t>(p.RightWidth));
  out.U16(static_cast<uint16_t>(p.TrackFlags));
  out.U16(static_cast<uint16_t>(p.TrackCode));
}

}  // namespace

void ParseCourseRecord(const uint8_t* raw, Course& c) {
  ByteReader in(raw, kRawRecordSize);
  c.HeaderByte = in.Byte();
  c.PointCount = in.Byte();
  c.Venue = in.Byte();
  c.Sky = in.Byte();
  in.Skip(kUnusedSize);
  for (int i = 1; i <= kMaxPoints; ++i) ReadPoint(in, c.Points[i]);
  for (int i = 1; i <= kMaxPoints; ++i) c.Banking[i] = in.U16();
  for (PointArray<uint8_t>* feature : FeatureArrays(c)) {
    for (int i = 1; i <= kMaxPoints; ++i) (*feature)[i] = in.Byte();
  }
}

bool BuildCourseRecord(const Course& c, uint8_t* raw) {
  if (!FitsRecord(c)) return false;
  const int n = c.PointCount;
  std::array<uint8_t, kRawRecordSize> record{};
  ByteWriter out(record.data(), record.size());
  for (uint8_t header : {c.HeaderByte, c.PointCount, c.Venue, c.Sky}) out.Byte(header);
  out.Zeros(kUnusedSize);
  for (int i = 1; i <= kMaxPoints; ++i) {
    if (i <= n) {
      WritePoint(out, c.Points[i]);
    } else {
      out.Zeros(20);
    }
  }
  for (int i = 1; i <= kMaxPoints; ++i) out.U16(i <= n ? static_cast<uint16_t>(c.Banking[i]) : 0);
  for (const PointArray<uint8_t>* feature : FeatureArrays(c)) {
    for (int i = 1; i <= kMaxPoints; ++i) out.Byte(i <= n ? (*feature)[i] : 0);
  }
  std::memcpy(raw, record.data(), record.size());
  return true;
}

int16_t DecodeCourse(int slot, const RomImage& rom, const RomTables& tables, Course& course) {
  const uint32_t offset = CourseRecordOffset(slot, rom.region());
  Course decoded;
  if (offset == 0 || !rom.ReadBlock(offset, decoded.RawRecord.data(), kRawRecordSize)) {
    return kRomCourseFailed;
  }
  ParseCourseRecord(decoded.RawRecord.data(), decoded);
  // The rest of the editor needs a ring of 4..64 points; a record without one is no course.
  if (decoded.PointCount < kMinPoints || decoded.PointCount > kMaxPoints) return kRomCourseFailed;
  const int s = slot - 1;
  decoded.Name = DecodeRomName(tables.rom_course_names[s]);
  const std::string text = DecodeRomText(tables.rom_course_descriptions[s], rom.region());
  (rom.region() == 'J' ? decoded.JDescription : decoded.Description) = text;
  decoded.RomMusic = tables.rom_music_table[s];
  decoded.EkMusic = 0;
  const RomHorizonList& horizons = tables.rom_horizons[s];
  decoded.HorizonCount = horizons.count;
  decoded.HorizonImage = horizons.image;
  decoded.HorizonAngle = horizons.angle;
  ValidateCourse(decoded);
  course = decoded;
  return kRomCourseOk;
}

int16_t EncodeCourse(int slot, Course& course, char region, RomTables& tables) {
  if (slot < 1 || slot > kSlotCount || course.HorizonCount > kMaxHorizons) {
    return kRomCourseFailed;
  }
  std::array<uint8_t, kRawRecordSize> record;
  if (!BuildCourseRecord(course, record.data())) return kRomCourseFailed;
  course.RawRecord = record;
  const int s = slot - 1;
  tables.rom_course_names[s] = EncodeRomName(course.Name);
  tables.rom_course_descriptions[s] =
      EncodeRomText(region == 'J' ? course.JDescription : course.Description, region);
  tables.rom_music_table[s] = course.RomMusic;
  RomHorizonList& horizons = tables.rom_horizons[s];
  horizons = RomHorizonList{};
  horizons.count = course.HorizonCount;
  for (int h = 1; h <= course.HorizonCount; ++h) {
    horizons.image[h] = course.HorizonImage[h];
    horizons.angle[h] = course.HorizonAngle[h];
  }
  return kRomCourseOk;
}

}  // namespace kurvex
