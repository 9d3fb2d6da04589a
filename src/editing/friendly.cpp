#include "editing/friendly.h"

#include <algorithm>
#include <cmath>

#include "course/track_type.h"
#include "editing/course_stats.h"

namespace kurvex {

const char kEkFriendlyCaption[] = "Make EK Friendly";

namespace {

struct FeatureLimits {
  int dash, jump, trap, widgets;  // widgets: structures, gates and decorations together
};

constexpr FeatureLimits kRomLimits = {kRomMaxDashPlates, kRomMaxJumpPlates, kRomMaxTrapFields,
                                      kRomMaxWidgets};
constexpr FeatureLimits kEkLimits = {kEkMaxDashPlates, kEkMaxJumpPlates, kEkMaxTrapFields,
                                     kEkMaxWidgets};
constexpr float kMaxXZ = static_cast<float>(kEkMaxXZ);
constexpr float kMaxY = static_cast<float>(kEkMaxY);

// Counts features in point order and removes those beyond the limits.
class FeatureCounter {
 public:
  explicit FeatureCounter(const FeatureLimits& limits) : limits_(limits) {}

  void Apply(Course& c, int i) {
    Keep(c.DashPlate[i], dash_, limits_.dash);
    Keep(c.JumpPlate[i], jump_, limits_.jump);
    Keep(c.TrapField[i], trap_, limits_.trap);
    Keep(c.Structure[i], widgets_, limits_.widgets);
    Keep(c.Gate[i], widgets_, limits_.widgets);
    Keep(c.Decoration[i], widgets_, limits_.widgets);
  }

 private:
  static void Keep(uint8_t& value, int& count, int limit) {
    if (value == kNone) return;
    if (count < limit) {
      ++count;
    } else {
      value = kNone;
    }
  }

  FeatureLimits limits_;
  int dash_ = 0, jump_ = 0, trap_ = 0, widgets_ = 0;
};

float RoundToTens(float v) { return static_cast<float>(std::nearbyint(v / 10.0) * 10.0); }
int32_t RoundToTens(int32_t v) { return static_cast<int32_t>(std::nearbyint(v / 10.0) * 10); }

void ClearZones(Course& c, int i) { c.PitArea[i] = c.DartZone[i] = c.SlipZone[i] = kNone; }

bool IsRoundType(int32_t track_code) {
  const int type = TrackTypeOfCode(track_code);
  return type == kPipe || type == kCylinder || type == kHalfPipe;
}

void RoundPosition(CtlPoint& p) {
  p.X = std::clamp(RoundToTens(p.X), -kMaxXZ, kMaxXZ);
  p.Y = std::clamp(RoundToTens(p.Y), 0.0f, kMaxY);
  p.Z = std::clamp(RoundToTens(p.Z), -kMaxXZ, kMaxXZ);
}

void LimitWidths(CtlPoint& p) {
  const int64_t sum = int64_t{p.LeftWidth} + p.RightWidth;
  if (sum > kEkMaxWidthSum) {
    // Multiply before dividing, so that exact results are not lost to rounding.
    p.LeftWidth = static_cast<int32_t>(std::floor(p.LeftWidth * double{kEkMaxWidthSum} / sum));
    p.RightWidth = static_cast<int32_t>(std::floor(p.RightWidth * double{kEkMaxWidthSum} / sum));
  }
  p.LeftWidth = RoundToTens(p.LeftWidth);
  p.RightWidth = RoundToTens(p.RightWidth);
}

// Banking to the nearest multiple of 3 degrees (359 becomes 360).
void RoundBanking(int32_t& banking) {
  const int remainder = banking % 3;
  if (remainder == 1 || remainder == -2) banking -= 1;
  if (remainder == 2 || remainder == -1) banking += 1;
}

void RoundPoint(Course& c, int i, FeatureCounter& counter) {
  CtlPoint& p = c.Points[i];
  RoundPosition(p);
  LimitWidths(p);
  RoundBanking(c.Banking[i]);
  if (IsRoundType(p.TrackCode)) {
    ClearZones(c, i);
    c.JumpPlate[i] = c.TrapField[i] = c.Gate[i] = c.Decoration[i] = kNone;
  }
  // Texture 0 (the finish stretch) belongs to point 1 alone.
  if (i == 1) {
    p.TrackCode = TrackCodeFor(kNormal, 0);
    p.TrackFlags = TrackFlagsForType(kNormal);
  } else if (p.TrackCode == 0) {
    p.TrackCode = TrackCodeFor(kNormal, 2);
  }
  const CtlPoint& next = c.Points[NextPoint(c, i)];
  if (p.LeftWidth + p.RightWidth < kEkMinZoneWidthSum ||
      next.LeftWidth + next.RightWidth < kEkMinZoneWidthSum) {
    ClearZones(c, i);
  }
  counter.Apply(c, i);
  if (c.Venue == kGpEndingVenue && TrackTypeOfCode(p.TrackCode) == kNormal) {
    const int texture = TextureOfCode(p.TrackCode);
    const int swapped[] = {0, 1, 5, 6, 4, 2, 3};
    if (texture >= 2 && texture <= 6) p.TrackCode = TrackCodeFor(kNormal, swapped[texture]);
  }
}

Message CloseCasesMessage(int count) {
  const std::string cases =
      count == 1 ? "There is 1 case" : "There are " + std::to_string(count) + " cases";
  return MakeMessage("", {cases + " where control points", "are less than 50 units apart. The Make",
                          "EK Friendly function cannot correct",
                          "this. Please adjust the course so that",
                          "the distance between any two control", "pionts is greater than 50."});
}

Message TooLongMessage() {
  return MakeMessage("", {"The course length is greater than 25,000.",
                          "The Make EK Friendly function cannot",
                          "correct this. Please adjust the course",
                          "so the total length is no greater than",
                          "25,000. See the Course Properties window", "for total length readout."});
}

}  // namespace

void RomFriendly(Course& course) {
  FeatureCounter counter(kRomLimits);
  for (int i = 1; i <= course.PointCount; ++i) counter.Apply(course, i);
}

std::vector<Message> EkFriendly(Course& course, double segment_distance,
                                PreparedCourse& prepared) {
  FeatureCounter counter(kEkLimits);
  for (int i = 1; i <= course.PointCount; ++i) RoundPoint(course, i, counter);
  PrepareCourse(course, segment_distance, prepared);
  if (course.Venue == kGpEndingVenue) course.Venue = 6;  // Sector

  std::vector<Message> messages;
  int close = 0;
  for (int i = 1; i <= course.PointCount; ++i) {
    if (prepared.ChordLength[i] < kEkMinChordLength) ++close;
  }
  if (close > 0) messages.push_back(CloseCasesMessage(close));
  if (prepared.CourseLength > kEkMaxCourseLength) messages.push_back(TooLongMessage());
  return messages;
}

}  // namespace kurvex
