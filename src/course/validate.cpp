#include "course/validate.h"

#include <algorithm>
#include <cmath>

#include "course/rom_text.h"
#include "course/track_type.h"

namespace kurvex {

namespace {

bool IsRomMusic(int m) {
  return (m >= 0 && m <= 8) || (m >= 13 && m <= 16) || m == 21 || m == 22 || m == 24 ||
         m == 255;
}

bool SamePosition(const CtlPoint& a, const CtlPoint& b) {
  return a.X - b.X == 0 && a.Y - b.Y == 0 && a.Z - b.Z == 0;
}

// Finds one coincident pair (i with i+1 or i+2) and separates it; false when there is none.
bool SeparateOneCoincidentPair(Course& course) {
  const int n = course.PointCount;
  for (int i = 1; i <= n; ++i) {
    for (int step = 1; step <= 2; ++step) {
      int j = i + step;
      if (j > n) j -= n;
      if (j == i) continue;
      if (SamePosition(course.Points[i], course.Points[j])) {
        LiftCoincidentPoint(course.Points[j]);
        return true;
      }
    }
  }
  return false;
}

void SeparateCoincidentPoints(Course& course) {
  // Each separation moves one point for good, so a few thousand rounds always suffice; the
  // bound only guards against a pathological ring at the very edge of the float range.
  constexpr int kMaxRounds = 64 * 64 * 8;
  for (int round = 0; round < kMaxRounds && SeparateOneCoincidentPair(course); ++round) {
  }
}

void ClampFeature(PointArray<uint8_t>& values, int i, int highest) {
  if (values[i] > highest) values[i] = kNone;
}

void ClampPoint(Course& course, int i) {
  CtlPoint& p = course.Points[i];
  p.LeftWidth = std::clamp(p.LeftWidth, 50, 1950);
  p.RightWidth = std::clamp(p.RightWidth, 50, 1950);
  ClampFeature(course.PitArea, i, 2);
  ClampFeature(course.DashPlate, i, 2);
  ClampFeature(course.DartZone, i, 3);
  ClampFeature(course.SlipZone, i, 3);
  ClampFeature(course.JumpPlate, i, 2);
  ClampFeature(course.TrapField, i, 2);
  ClampFeature(course.Gate, i, 2);
  ClampFeature(course.Structure, i, 14);
  ClampFeature(course.Decoration, i, 4);
}

int JunctionClass(int32_t track_code) {
  return (track_code & 0x1FF) == kNoTrackCode ? kNoTrackCode : (track_code & 0x1F0);
}

bool JunctionAllowed(int before, int after) {
  return before == 0 || before == kNoTrackCode || after == 0 || after == kNoTrackCode ||
         before == after;
}

void MakeNormal(CtlPoint& p) {
  p.TrackCode = TrackCodeFor(kNormal, 2);
  p.TrackFlags = TrackFlagsForType(kNormal);
}

}  // namespace

void LiftCoincidentPoint(CtlPoint& p) {
  const float lifted = p.Y + 10.0f;
  p.Y = lifted != p.Y ? lifted : std::nextafter(p.Y, 0.0f);
}

void FixTrackJunctions(Course& course) {
  const int n = course.PointCount;
  if (n < 2) return;
  if (!JunctionAllowed(JunctionClass(course.Points[n].TrackCode),
                       JunctionClass(course.Points[1].TrackCode))) {
    MakeNormal(course.Points[1]);
  }
  for (int i = 2; i <= n; ++i) {
    if (!JunctionAllowed(JunctionClass(course.Points[i - 1].TrackCode),
                         JunctionClass(course.Points[i].TrackCode))) {
      MakeNormal(course.Points[i]);
    }
  }
}

void ValidateCourse(Course& course) {
  if (!IsRomMusic(course.RomMusic)) course.RomMusic = 255;
  if (course.EkMusic >= 9 && course.EkMusic <= 31) course.EkMusic = 0;
  if (course.Venue > 10) course.Venue = 0;
  if (course.Sky > 7) course.Sky = 0;
  course.PointCount = std::clamp<uint8_t>(course.PointCount, 0, kMaxPoints);
  SeparateCoincidentPoints(course);
  for (int i = 1; i <= course.PointCount; ++i) ClampPoint(course, i);
  if (course.HorizonCount > kMaxHorizons) course.HorizonCount = 0;
  for (int h = 1; h <= course.HorizonCount; ++h) {
    if (course.HorizonImage[h] > 55) course.HorizonImage[h] = 1;
  }
  course.Name = NormaliseName(course.Name);
  course.Description = NormaliseText(course.Description, 'E');
  course.JDescription = NormaliseText(course.JDescription, 'J');
  FixTrackJunctions(course);
}

}  // namespace kurvex
