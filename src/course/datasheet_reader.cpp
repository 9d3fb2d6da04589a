#include "course/datasheet.h"

#include <cctype>
#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <map>
#include <vector>

#include "course/file_io.h"
#include "course/game_text.h"
#include "course/new_course.h"
#include "course/number_text.h"
#include "course/rom_text.h"
#include "course/track_type.h"
#include "course/validate.h"

namespace kurvex {

Message SheetOverflowMessage() {
  return MakeMessage("", {"A serious error has occured. This", "is likely due to a Double overflow.",
                          "Please refine your Data Sheet data", "and try again."});
}

std::string CompleteTextFileName(const std::string& name) {
  return CompleteFileName(name, ".txt", "New File.txt");
}

namespace {

// Thrown inside the reader only, for a number that does not fit where it goes.
struct SheetOverflow {};

std::vector<std::string> SplitLines(const std::string& text) {
  // Lines end in CR LF; a bare LF (a file saved by a Unix editor) ends a line too.
  std::vector<std::string> lines;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    size_t stop = end;
    if (stop > start && text[stop - 1] == '\r') --stop;
    lines.push_back(text.substr(start, stop - start));
    start = end + 1;
  }
  return lines;
}

std::string TrimBlanks(const std::string& s) {
  const size_t first = s.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

std::string AsciiLower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

char AsciiUpper(char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c;
}

std::string UpperCase(std::string s) {
  for (char& c : s) c = AsciiUpper(c);
  return s;
}

// Descriptions keep lower-case c, r and s, which the game shows as their own glyphs.
std::string UpperCaseExceptCrs(std::string s) {
  for (char& c : s) {
    if (c != 'c' && c != 'r' && c != 's') c = AsciiUpper(c);
  }
  return s;
}

double Number(const std::string& value) {
  const ParsedNumber n = ReadLeadingNumber(value);
  if (n.overflow) throw SheetOverflow{};
  return n.value;
}

int32_t CheckedInt32(double v) {
  if (!(v >= std::numeric_limits<int32_t>::min() && v <= std::numeric_limits<int32_t>::max())) {
    throw SheetOverflow{};
  }
  return static_cast<int32_t>(v);
}

int32_t IntOf(const std::string& value) { return CheckedInt32(std::floor(Number(value))); }
// Nearest whole number, ties to even.
int32_t RoundOf(double v) { return CheckedInt32(std::nearbyint(v)); }

float CheckedSingle(double v) {
  const float f = static_cast<float>(v);
  if (std::isinf(f)) throw SheetOverflow{};
  return f;
}

int InRangeOr(int v, int low, int high, int fallback) {
  return (v >= low && v <= high) ? v : fallback;
}

class SheetReader {
 public:
  explicit SheetReader(Course& course) : c_(course) {
    for (int h = 1; h <= kMaxHorizons; ++h) {
      c_.HorizonImage[h] = 1;
      c_.HorizonAngle[h] = 0;
    }
  }

  void ReadLine(const std::string& raw_line);

  void Finish() {
    c_.HorizonCount = static_cast<uint8_t>(horizon_count_);
    c_.PointCount = static_cast<uint8_t>(point_count_);
    ValidateCourse(c_);
  }

 private:
  bool HorizonOpen() const { return horizon_count_given_ && horizon_ > 0; }
  bool PointOpen() const { return point_count_given_ && point_ > 0; }
  void ApplyCourseKey(const std::string& key, const std::string& value);
  void ApplyHorizonKey(const std::string& key, const std::string& value);
  void ApplyPointKey(const std::string& key, const std::string& value);
  void ComposeTrackCode();

  Course& c_;
  int point_count_ = 4, horizon_count_ = 0;
  bool point_count_given_ = false, horizon_count_given_ = false;
  int point_ = 0, horizon_ = 0;
  int track_type_ = 0, texture_ = 0;
};

void SheetReader::ReadLine(const std::string& raw_line) {
  const std::string line = TrimBlanks(raw_line);
  size_t split = line.find('=');
  if (split == std::string::npos) split = line.find(' ');
  if (split == std::string::npos) return;
  const std::string key = AsciiLower(TrimBlanks(line.substr(0, split)));
  const std::string value = TrimBlanks(line.substr(split + 1));
  if (key.empty() || value.empty() || key[0] == '#') return;
  ApplyCourseKey(key, value);
  if (HorizonOpen()) ApplyHorizonKey(key, value);
  if (PointOpen()) ApplyPointKey(key, value);
}

void SheetReader::ApplyCourseKey(const std::string& key, const std::string& value) {
  if (key == "name") {
    c_.Name = NormaliseName(StrDec(UpperCase(value)));
  } else if (key == "description") {
    c_.Description = NormaliseText(StrDec(UpperCaseExceptCrs(value)), 'E');
  } else if (key == "jdescription") {
    c_.JDescription = NormaliseText(StrDec(UpperCase(value)), 'J');
  } else if (key == "source") {
    c_.Source = value;
  } else if (key == "venue") {
    c_.Venue = static_cast<uint8_t>(InRangeOr(IntOf(value), 0, 10, 0));
  } else if (key == "sky") {
    c_.Sky = static_cast<uint8_t>(InRangeOr(IntOf(value), 0, 7, 0));
  } else if (key == "rom_music") {
    c_.RomMusic = static_cast<uint8_t>(InRangeOr(IntOf(value), 0, 255, 255));
  } else if (key == "ek_music") {
    c_.EkMusic = static_cast<uint8_t>(InRangeOr(IntOf(value), 0, 255, 0));
  } else if (key == "horizon_count") {
    if (horizon_count_given_) return;
    horizon_count_ = InRangeOr(IntOf(value), 0, kMaxHorizons, 0);
    horizon_count_given_ = horizon_count_ > 0;
  } else if (key == "ctl_point_count") {
    if (point_count_given_) return;
    point_count_ = InRangeOr(IntOf(value), kMinPoints, kMaxPoints, 4);
    point_count_given_ = true;
  } else if (key == "horizon") {
    if (horizon_count_given_) horizon_ = InRangeOr(IntOf(value), 1, horizon_count_, horizon_);
  } else if (key == "ctl_point") {
    if (point_count_given_) point_ = InRangeOr(IntOf(value), 1, point_count_, point_);
  }
}

void SheetReader::ApplyHorizonKey(const std::string& key, const std::string& value) {
  if (key == "image") {
    c_.HorizonImage[horizon_] = static_cast<uint8_t>(InRangeOr(IntOf(value), 1, 55, 1));
  } else if (key == "angle") {
    double a = Number(value);
    a -= 360.0 * (RoundOf(a) / 360);
    if (a < 0) a += 360;
    c_.HorizonAngle[horizon_] = CheckedSingle(a);
  }
}

void SheetReader::ApplyPointKey(const std::string& key, const std::string& value) {
  static const std::map<std::string, PointArray<uint8_t> Course::*> kFeatures = {
      {"pitarea", &Course::PitArea},       {"dartzone", &Course::DartZone},
      {"slipzone", &Course::SlipZone},     {"dashplate", &Course::DashPlate},
      {"jumpplate", &Course::JumpPlate},   {"trapfield", &Course::TrapField},
      {"gate", &Course::Gate},             {"decoration", &Course::Decoration},
      {"structure", &Course::Structure}};
  static const std::map<std::string, int> kHighestFeature = {
      {"pitarea", 3},   {"dartzone", 3}, {"slipzone", 3},   {"dashplate", 2},  {"jumpplate", 2},
      {"trapfield", 2}, {"gate", 2},     {"decoration", 4}, {"structure", 14}};
  CtlPoint& p = c_.Points[point_];
  if (key == "x" || key == "y" || key == "z") {
    float& coordinate = key == "x" ? p.X : key == "y" ? p.Y : p.Z;
    coordinate = CheckedSingle(Number(value) * 10);
  } else if (key == "leftwidth") {
    p.LeftWidth = RoundOf(Number(value) * 10);
  } else if (key == "rightwidth") {
    p.RightWidth = RoundOf(Number(value) * 10);
  } else if (key == "banking") {
    int32_t v = IntOf(value) % 360;
    c_.Banking[point_] = v < 0 ? v + 360 : v;
  } else if (key == "tracktype") {
    track_type_ = InRangeOr(RoundOf(Number(value)), 0, 7, track_type_);
    ComposeTrackCode();
  } else if (key == "texture") {
    texture_ = InRangeOr(RoundOf(Number(value)), 0, 10, texture_);
    ComposeTrackCode();
  } else if (auto feature = kFeatures.find(key); feature != kFeatures.end()) {
    (c_.*(feature->second))[point_] =
        static_cast<uint8_t>(InRangeOr(IntOf(value), 0, kHighestFeature.at(key), kNone));
  }
}

void SheetReader::ComposeTrackCode() {
  CtlPoint& p = c_.Points[point_];
  // The track flags follow the type, so a course read from text carries none stale.
  p.TrackFlags = TrackFlagsForType(track_type_);
  if (track_type_ == kNoTrack) {
    p.TrackCode = kNoTrackCode;
    return;
  }
  if (track_type_ == kNormal) {
    if (texture_ == 1 || texture_ > 9) texture_ = 2;
  } else if (track_type_ == kHighWall || track_type_ == kNoWall) {
    if (texture_ >= 3) texture_ = 0;
  } else if (texture_ >= 4) {
    texture_ = 0;
  }
  p.TrackCode = TrackCodeFor(track_type_, texture_);
}

}  // namespace

int16_t ReadDatasheet(const std::string& text, Course& course) {
  ScrubFZXCourse(course);
  SheetReader reader(course);
  try {
    for (const std::string& line : SplitLines(text)) reader.ReadLine(line);
  } catch (const SheetOverflow&) {
    return kSheetOverflow;
  }
  reader.Finish();
  return kSheetOk;
}

}  // namespace kurvex
