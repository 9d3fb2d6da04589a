#pragma once
// The course record, laid out as the game stores it: per-point data in parallel arrays
// indexed by CTL point number from 1. Point PointCount is followed by point 1.

#include <array>
#include <cstdint>
#include <string>

namespace kurvex {

constexpr int kMinPoints = 4;
constexpr int kMaxPoints = 64;
constexpr int kMaxHorizons = 6;
constexpr uint8_t kNone = 255;            // "no feature" in every feature array
constexpr int32_t kNoTrackCode = 447;     // 0x1BF: no track at this point
constexpr int kRawRecordSize = 2016;      // the game's course record

struct CtlPoint {
  float X = 0, Y = 0, Z = 0;  // stored course units; Y is height
  int32_t LeftWidth = 0, RightWidth = 0;
  int32_t TrackFlags = 0;  // follows from the track type, see TrackFlagsForType
  int32_t TrackCode = 0;   // (type index - 1) * 64 + texture; No Wall uses type index 8
};

// Point arrays hold one spare entry (65) like the game's, index 0 is unused.
template <typename T>
using PointArray = std::array<T, kMaxPoints + 2>;
template <typename T>
using HorizonArray = std::array<T, kMaxHorizons + 1>;

struct Course {
  uint8_t HeaderByte = 0;  // carried through every codec, never interpreted
  uint8_t PointCount = 0;
  uint8_t Venue = 0;
  uint8_t Sky = 0;
  PointArray<CtlPoint> Points{};
  PointArray<int32_t> Banking{};  // whole degrees 0..359
  PointArray<uint8_t> PitArea{};
  PointArray<uint8_t> DashPlate{};
  PointArray<uint8_t> DartZone{};
  PointArray<uint8_t> SlipZone{};
  PointArray<uint8_t> JumpPlate{};
  PointArray<uint8_t> TrapField{};
  PointArray<uint8_t> Gate{};
  PointArray<uint8_t> Structure{};
  PointArray<uint8_t> Decoration{};
  // Game text: one byte value (0..255) per character.
  std::string Name;
  std::string Description;   // used with "E" and "P" images
  std::string JDescription;  // used with "J" images
  uint8_t HorizonCount = 0;
  HorizonArray<uint8_t> HorizonImage{};
  HorizonArray<float> HorizonAngle{};
  std::string Source;  // Windows-1252 text
  uint8_t RomMusic = 0;
  uint8_t EkMusic = 0;
  std::array<uint8_t, kRawRecordSize> RawRecord{};  // the record last decoded from a ROM
};

// The point after / before point i on the closed ring.
inline int NextPoint(const Course& course, int i) { return i >= course.PointCount ? 1 : i + 1; }
inline int PreviousPoint(const Course& course, int i) { return i <= 1 ? course.PointCount : i - 1; }

}  // namespace kurvex
