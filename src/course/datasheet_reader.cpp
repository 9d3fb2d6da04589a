#include "course/datasheet.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <map>
#include <set>
#include <utility>
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
  return MakeMessage("",
                     {"A serious error has occured. This", "is likely due to a Double overflow.",
                      "Please refine your Data Sheet data", "and try again."});
}

std::string CompleteTextFileName(const std::string& name) {
  return CompleteFileName(name, ".txt", "New File.txt");
}

std::string SheetNotice::Text() const { return "line " + std::to_string(line) + ": " + text; }

namespace {

// Thrown inside the reader only, for a number that does not fit where it goes.
struct SheetOverflow {};

constexpr size_t kShownValueLength = 40;  // a notice shows no more of a value than this
constexpr size_t kMaxNotices = 50;        // a hostile sheet could otherwise make millions

std::string Shortened(const std::string& text) {
  return text.size() > kShownValueLength ? text.substr(0, kShownValueLength) + "..." : text;
}

bool IsSheetKey(const std::string& key) {
  static const std::set<std::string> kKeys = {
      "name",      "description", "jdescription", "source",        "venue",
      "sky",       "rom_music",   "ek_music",     "horizon_count", "ctl_point_count",
      "horizon",   "ctl_point",   "image",        "angle",         "x",
      "y",         "z",           "leftwidth",    "rightwidth",    "banking",
      "tracktype", "texture",     "pitarea",      "dartzone",      "slipzone",
      "dashplate", "jumpplate",   "trapfield",    "gate",          "decoration",
      "structure"};
  return kKeys.count(key) > 0;
}

// A refused block header and the ones right after it that were refused for the same reason:
// their lines all go to the same place, so one notice tells of them all.
struct RefusedRun {
  int line = 0;               // of the first header
  std::string number;         // the first header's value as written
  int more = 0;               // headers after it
  bool before_count = false;  // no count given yet (rather than a number outside it)
  int count = 0;              // the count in force
  int target = 0;             // the block that their lines change; 0: they are ignored
  bool SameReason(const RefusedRun& other) const {
    return before_count == other.before_count && count == other.count && target == other.target;
  }
};

// The two kinds of block a sheet has, as its notices name them.
struct BlockKind {
  const char* label;          // the header's key as written
  const char* block;          // what its lines change
  const char* missing_count;  // why a header before its count is refused
};
constexpr BlockKind kPointBlocks = {"CTL_Point", "point", "before any CTL_Point_Count line"};
constexpr BlockKind kHorizonBlocks = {"Horizon", "horizon", "read with no Horizon_Count above 0"};

// "CTL_Point 5 and the 60 blocks after it are outside 1..4; their lines change point 4"
SheetNotice RunNotice(const RefusedRun& run, const BlockKind& kind) {
  const bool many = run.more > 0;
  std::string text = std::string(kind.label) + " " + run.number;
  if (run.more == 1) text += " and the block after it";
  if (run.more > 1) text += " and the " + std::to_string(run.more) + " blocks after it";
  text += many ? " are " : " is ";
  if (run.before_count) {
    text += kind.missing_count;
  } else {
    text += "outside 1.." + std::to_string(run.count);
  }
  text += many ? "; their lines " : "; its lines ";
  text += run.target > 0 ? std::string("change ") + kind.block + " " + std::to_string(run.target)
                         : std::string("are ignored");
  return {run.line, text};
}

std::vector<std::string> SplitLines(const std::string& text) {
  // Lines end in CR LF; a bare LF (a file saved by a Unix editor) or a lone CR (a classic Mac
  // editor) ends a line too.
  std::vector<std::string> lines;
  size_t start = 0;
  for (;;) {
    const size_t end = text.find_first_of("\r\n", start);
    if (end == std::string::npos) {
      lines.push_back(text.substr(start));
      return lines;
    }
    lines.push_back(text.substr(start, end - start));
    const bool cr_lf = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
    start = end + (cr_lf ? 2 : 1);
  }
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

char AsciiUpper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c; }

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

  void ReadLine(int line_number, const std::string& raw_line);

  void Finish() {
    c_.HorizonCount = static_cast<uint8_t>(horizon_count_);
    c_.PointCount = static_cast<uint8_t>(point_count_);
    ValidateCourse(c_);
  }

  // Called with the reading stopped at the current line by an overflow.
  void NoteOverflow() { Note(shown_line_ + " does not fit; reading stopped here"); }

  // The notices in line order, with the refused headers still pending.
  SheetReport Report() {
    FlushRun(point_run_, kPointBlocks);
    FlushRun(horizon_run_, kHorizonBlocks);
    std::stable_sort(report_.notices.begin(), report_.notices.end(),
                     [](const SheetNotice& a, const SheetNotice& b) { return a.line < b.line; });
    if (left_out_ > 0) {
      report_.notices.push_back(
          {line_number_, "and " + std::to_string(left_out_) + " more notices left out"});
    }
    return report_;
  }

 private:
  void Note(const std::string& text) { Add({line_number_, text}); }
  void Add(SheetNotice notice) {
    if (report_.notices.size() < kMaxNotices) {
      report_.notices.push_back(std::move(notice));
    } else {
      ++left_out_;
    }
  }
  void RefuseHeader(RefusedRun& run, const RefusedRun& refused, const BlockKind& kind);
  void FlushRun(RefusedRun& run, const BlockKind& kind);
  void ReadCount(const std::string& value, int low, int high, int fallback, int& count,
                 int& given_on_line);
  void ReadPointHeader(const std::string& value);
  void ReadHorizonHeader(const std::string& value);
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

  SheetReport report_;
  int line_number_ = 0;
  std::string shown_line_;  // "Key = value" as written, shortened, for notices
  int point_count_line_ = 0, horizon_count_line_ = 0;
  RefusedRun point_run_, horizon_run_;  // line 0: none pending
  size_t left_out_ = 0;                 // notices beyond kMaxNotices
};

void SheetReader::ReadLine(int line_number, const std::string& raw_line) {
  const std::string line = TrimBlanks(raw_line);
  size_t split = line.find('=');
  if (split == std::string::npos) split = line.find(' ');
  if (split == std::string::npos) return;
  const std::string written_key = TrimBlanks(line.substr(0, split));
  const std::string key = AsciiLower(written_key);
  const std::string value = TrimBlanks(line.substr(split + 1));
  if (key.empty() || value.empty() || key[0] == '#') return;
  if (IsSheetKey(key)) ++report_.keys_read;
  line_number_ = line_number;
  shown_line_ = Shortened(written_key) + " = " + Shortened(value);
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
    ReadCount(value, 0, kMaxHorizons, 0, horizon_count_, horizon_count_line_);
    horizon_count_given_ = horizon_count_ > 0;
  } else if (key == "ctl_point_count") {
    ReadCount(value, kMinPoints, kMaxPoints, 4, point_count_, point_count_line_);
    point_count_given_ = true;
  } else if (key == "horizon") {
    ReadHorizonHeader(value);
  } else if (key == "ctl_point") {
    ReadPointHeader(value);
  }
}

// Only the first count line counts (a horizon count of 0 does not count as given).
void SheetReader::ReadCount(const std::string& value, int low, int high, int fallback, int& count,
                            int& given_on_line) {
  if (given_on_line > 0) {
    Note(shown_line_ + " is ignored; the count was given on line " + std::to_string(given_on_line));
    return;
  }
  const int v = IntOf(value);
  count = InRangeOr(v, low, high, fallback);
  if (count != v) {
    Note(shown_line_ + " is outside " + std::to_string(low) + ".." + std::to_string(high) +
         "; read as " + std::to_string(count));
  }
  if (count > 0 || low > 0) given_on_line = line_number_;
}

// A header outside its count leaves the current block open, so the lines after it go on
// changing that block.
void SheetReader::ReadPointHeader(const std::string& value) {
  const std::string shown = Shortened(value);
  if (!point_count_given_) {
    RefuseHeader(point_run_, {line_number_, shown, 0, true, 0, 0}, kPointBlocks);
    return;
  }
  const int v = IntOf(value);
  if (v < 1 || v > point_count_) {
    RefuseHeader(point_run_, {line_number_, shown, 0, false, point_count_, point_}, kPointBlocks);
    return;
  }
  FlushRun(point_run_, kPointBlocks);
  point_ = v;
}

void SheetReader::ReadHorizonHeader(const std::string& value) {
  const std::string shown = Shortened(value);
  if (!horizon_count_given_) {
    RefuseHeader(horizon_run_, {line_number_, shown, 0, true, 0, 0}, kHorizonBlocks);
    return;
  }
  const int v = IntOf(value);
  if (v < 1 || v > horizon_count_) {
    RefuseHeader(horizon_run_, {line_number_, shown, 0, false, horizon_count_, horizon_},
                 kHorizonBlocks);
    return;
  }
  FlushRun(horizon_run_, kHorizonBlocks);
  horizon_ = v;
}

void SheetReader::RefuseHeader(RefusedRun& run, const RefusedRun& refused, const BlockKind& kind) {
  if (run.line > 0 && run.SameReason(refused)) {
    ++run.more;
    return;
  }
  FlushRun(run, kind);
  run = refused;
}

void SheetReader::FlushRun(RefusedRun& run, const BlockKind& kind) {
  if (run.line == 0) return;
  Add(RunNotice(run, kind));
  run = RefusedRun();
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
      {"pitarea", &Course::PitArea},     {"dartzone", &Course::DartZone},
      {"slipzone", &Course::SlipZone},   {"dashplate", &Course::DashPlate},
      {"jumpplate", &Course::JumpPlate}, {"trapfield", &Course::TrapField},
      {"gate", &Course::Gate},           {"decoration", &Course::Decoration},
      {"structure", &Course::Structure}};
  static const std::map<std::string, int> kHighestFeature = {
      {"pitarea", 3},   {"dartzone", 3}, {"slipzone", 3},   {"dashplate", 2}, {"jumpplate", 2},
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

int16_t ReadDatasheet(const std::string& text, Course& course, SheetReport* report) {
  ScrubFZXCourse(course);
  SheetReader reader(course);
  int16_t result = kSheetOk;
  try {
    const std::vector<std::string> lines = SplitLines(text);
    for (size_t i = 0; i < lines.size(); ++i) reader.ReadLine(static_cast<int>(i + 1), lines[i]);
    reader.Finish();
  } catch (const SheetOverflow&) {
    reader.NoteOverflow();
    result = kSheetOverflow;
  }
  if (report) *report = reader.Report();
  return result;
}

}  // namespace kurvex
