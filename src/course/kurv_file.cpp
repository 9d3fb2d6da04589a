#include "course/kurv_file.h"

#include <cstdio>

#include "course/byte_buffer.h"
#include "course/message.h"
#include "course/track_type.h"
#include "course/validate.h"

namespace kurvex {

namespace {

constexpr uint8_t kVersionMajor = 1;
constexpr uint8_t kVersionMinor = 10;  // hundredths: version 1.1

// Zone kinds held by the three slots of a point record.
enum ZoneKind { kNoZone = 0, kPitZone = 1, kDartZone = 2, kSlipZone = 3 };
enum ZoneSide { kBothSides = 0, kLeftSide = 1, kRightSide = 2, kCenter = 3 };

// The left (side 1) or right (side 2) slot: a Both Sides zone of a later kind takes the slot
// over, a one-sided zone only fills a free slot.
int SideSlot(const Course& c, int i, int side) {
  int slot = kNoZone;
  if (c.PitArea[i] == kBothSides || c.PitArea[i] == side) slot = kPitZone;
  if (c.DartZone[i] == kBothSides || (c.DartZone[i] == side && slot == kNoZone)) slot = kDartZone;
  if (c.SlipZone[i] == kBothSides || (c.SlipZone[i] == side && slot == kNoZone)) slot = kSlipZone;
  return slot;
}

int CentreSlot(const Course& c, int i) {
  int slot = kNoZone;
  if (c.PitArea[i] == kCenter) slot = kPitZone;
  if (c.DartZone[i] == kCenter && slot == kNoZone) slot = kDartZone;
  if (c.SlipZone[i] == kCenter && slot == kNoZone) slot = kSlipZone;
  return slot;
}

uint8_t ZoneFromSlots(int kind, int left, int centre, int right) {
  if (left == kind && right != kind) return kLeftSide;
  if (left == kind && right == kind) return kBothSides;
  if (right == kind) return kRightSide;
  if (centre == kind) return kCenter;
  return kNone;
}

// A feature value in its bit field, with 255 written as the field's "none" code.
int FeatureBits(uint8_t value, int none_code, int mask) {
  return (value == kNone ? none_code : value) & mask;
}

uint8_t FeatureFromBits(int bits, int none_code) {
  return bits == none_code ? kNone : static_cast<uint8_t>(bits);
}

void WritePoint(const Course& c, int i, ByteWriter& out) {
  const CtlPoint& p = c.Points[i];
  out.Float32(p.X);
  out.Float32(p.Y);
  out.Float32(p.Z);
  out.U16(static_cast<uint16_t>(p.LeftWidth));
  out.U16(static_cast<uint16_t>(p.RightWidth));
  int track_type = TrackTypeOfCode(p.TrackCode);
  int texture = TextureOfCode(p.TrackCode);
  if (p.TrackCode == kNoTrackCode) track_type = texture = 0;
  const int bank_bits = (c.Banking[i] % 360) & 0x1FF;
  out.U16(static_cast<uint16_t>(FeatureBits(c.Structure[i], 15, 15) * 4096 +
                                (track_type & 7) * 512 + bank_bits));
  out.Byte(static_cast<uint8_t>(texture * 16 + FeatureBits(c.Decoration[i], 5, 15)));
  out.Byte(static_cast<uint8_t>(FeatureBits(c.Gate[i], 3, 3) << 6 |
                                FeatureBits(c.TrapField[i], 3, 3) << 4 |
                                FeatureBits(c.JumpPlate[i], 3, 3) << 2 |
                                FeatureBits(c.DashPlate[i], 3, 3)));
  out.Byte(static_cast<uint8_t>(SideSlot(c, i, kLeftSide) << 4 | CentreSlot(c, i) << 2 |
                                SideSlot(c, i, kRightSide)));
}

void ReadPoint(Course& c, int i, ByteReader& in) {
  CtlPoint& p = c.Points[i];
  p.X = in.Float32();
  p.Y = in.Float32();
  p.Z = in.Float32();
  p.LeftWidth = in.U16();
  p.RightWidth = in.U16();
  const int packed = in.U16();
  c.Structure[i] = FeatureFromBits(packed >> 12, 15);
  int track_type = (packed >> 9) & 7;
  c.Banking[i] = packed & 0x1FF;
  const int texture_decoration = in.Byte();
  const int texture = texture_decoration >> 4;
  c.Decoration[i] = FeatureFromBits(texture_decoration & 15, 5);
  if (track_type == 0) {
    p.TrackCode = kNoTrackCode;
  } else {
    p.TrackCode = TrackCodeFor(track_type, texture);
  }
  p.TrackFlags = TrackFlagsForType(track_type);
  const int plates = in.Byte();
  c.Gate[i] = FeatureFromBits(plates >> 6 & 3, 3);
  c.TrapField[i] = FeatureFromBits(plates >> 4 & 3, 3);
  c.JumpPlate[i] = FeatureFromBits(plates >> 2 & 3, 3);
  c.DashPlate[i] = FeatureFromBits(plates & 3, 3);
  const int zones = in.Byte();
  const int left = zones >> 4 & 3, centre = zones >> 2 & 3, right = zones & 3;
  c.PitArea[i] = ZoneFromSlots(kPitZone, left, centre, right);
  c.DartZone[i] = ZoneFromSlots(kDartZone, left, centre, right);
  c.SlipZone[i] = ZoneFromSlots(kSlipZone, left, centre, right);
}

struct NamedText {
  const char* field;
  const std::string* text;
};

}  // namespace

int16_t WriteCourseFile(const Course& course, std::vector<uint8_t>& file_buffer,
                        std::string* overlong_field) {
  const NamedText texts[] = {{"Source", &course.Source},
                             {"Name", &course.Name},
                             {"Description", &course.Description},
                             {"JDescription", &course.JDescription}};
  size_t size = kKurvHeaderSize + 3 * size_t{course.HorizonCount} +
                kKurvPointSize * size_t{course.PointCount};
  for (const NamedText& t : texts) {
    if (t.text->size() > kKurvMaxTextLength) {
      if (overlong_field) *overlong_field = t.field;
      return kKurvTextTooLong;
    }
    size += t.text->size();
  }
  if (course.PointCount > kMaxPoints || course.HorizonCount > kMaxHorizons) {
    return kKurvUnknownError;
  }
  file_buffer.assign(size, 0);
  ByteWriter out(file_buffer.data(), file_buffer.size());
  out.String("KURV");
  out.String("XT");
  out.Byte(kVersionMajor);
  out.Byte(kVersionMinor);
  out.Zeros(4);
  out.Byte(course.HeaderByte);
  for (const NamedText& t : texts) out.Byte(static_cast<uint8_t>(t.text->size()));
  out.Byte(course.RomMusic);
  out.Byte(course.EkMusic);
  out.Byte(static_cast<uint8_t>((course.Sky & 15) << 4 | (course.Venue & 15)));
  out.Byte(course.HorizonCount);
  out.Byte(course.PointCount);
  for (const NamedText& t : texts) out.String(*t.text);
  for (int h = 1; h <= course.HorizonCount; ++h) {
    out.Byte(course.HorizonImage[h]);
    out.ShortFloat(course.HorizonAngle[h]);
  }
  for (int i = 1; i <= course.PointCount; ++i) WritePoint(course, i, out);
  return kKurvOk;
}

int16_t ReadCourseFile(Course& course, const uint8_t* data, size_t size, double* file_version) {
  ByteReader in(data, size);
  if (in.String(4) != "KURV") return kKurvNotKurv;
  if (in.String(2) != "XT") return kKurvNotFZeroX;
  const int major = in.Byte(), minor = in.Byte();
  const double version = major + minor / 100.0;
  if (file_version) *file_version = version;
  if (static_cast<float>(version) != 1.1f) return kKurvBadVersion;

  in.Skip(4);
  const uint8_t header_byte = in.Byte();
  size_t lengths[4];
  for (size_t& length : lengths) length = in.Byte();
  const uint8_t rom_music = in.Byte(), ek_music = in.Byte(), sky_venue = in.Byte();
  const uint8_t horizon_count = in.Byte(), point_count = in.Byte();
  if (horizon_count > kMaxHorizons || point_count < kMinPoints || point_count > kMaxPoints) {
    return kKurvUnknownError;
  }

  course.HeaderByte = header_byte;
  course.RomMusic = rom_music;
  course.EkMusic = ek_music;
  course.Sky = sky_venue >> 4;
  course.Venue = sky_venue & 15;
  course.HorizonCount = horizon_count;
  course.PointCount = point_count;
  course.Source = in.String(lengths[0]);
  course.Name = in.String(lengths[1]);
  course.Description = in.String(lengths[2]);
  course.JDescription = in.String(lengths[3]);
  for (int h = 1; h <= horizon_count; ++h) {
    course.HorizonImage[h] = in.Byte();
    course.HorizonAngle[h] = in.ShortFloat();
  }
  for (int i = 1; i <= point_count; ++i) ReadPoint(course, i, in);
  ValidateCourse(course);
  return kKurvOk;
}

std::string CourseFileResultText(int code) {
  switch (code) {
    case kKurvUnknownError: return "Unknown error";
    case kKurvOk: return "Successful";
    case kKurvNotKurv: return "Not a KURV file";
    case kKurvNotFZeroX: return "Not an F-Zero X track file";
    case kKurvBadVersion: return "File format version not supported";
    case kKurvFloatErrors: return "OK, but float errors occurred";
    case kKurvTextTooLong: return "Text too long for a KURV file";
    default: return "Unknown error code";
  }
}

Message KurvCheck(int code, double file_version) {
  switch (code) {
    case kKurvUnknownError:
      return MakeMessage("Error: (Unknown)", {"An unknown error occurred while trying to decode",
                                              "the track file. Please check your computer system",
                                              "for problems and try again."});
    case kKurvNotKurv:
      return MakeMessage("Error: Unknown file format",
                         {"The file selected is not a valid KURV file.",
                          "Please select a different file."});
    case kKurvNotFZeroX:
      return MakeMessage("Error: Incorrect file type",
                         {"The file specified was identified as a valid",
                          "KURV file, but does not identify itself as an",
                          "F-Zero X track file. Please select a different", "file."});
    case kKurvBadVersion:
      return MakeMessage("Error: Unsupported file format",
                         {"The file specified was identified as a KURV",
                          "F-Zero X track file, but it specifies an",
                          "unsupported version number (" + DefaultNumberText(file_version) +
                              "). Please",
                          "select a different file."});
    default:
      return {};
  }
}

Message KurvTextTooLongMessage(const std::string& field) {
  return MakeMessage("Error: Text too long",
                     {"The " + field + " text has more than 255 characters,",
                      "which a KURV file cannot hold. Please shorten it", "and save again."});
}

}  // namespace kurvex
