#pragma once
// Track types as the editor numbers them (0 no track .. 7 No Wall) and their coding in the
// game's TrackCode and TrackFlags.

#include <cstdint>

namespace kurvex {

enum TrackType : int {
  kNoTrack = 0,
  kNormal = 1,
  kHighWall = 2,
  kPipe = 3,
  kCylinder = 4,
  kHalfPipe = 5,
  kTunnel = 6,
  kNoWall = 7,
};

// The editor's track type of a TrackCode: 447 is 0, No Wall's type index 8 is 7; codes beyond
// the known types give numbers above 7 (shown as "(Invalid)").
int TrackTypeOfCode(int32_t track_code);
inline int TextureOfCode(int32_t track_code) { return track_code & 15; }

// The game's TrackFlags for an editor track type (0 for unknown types).
int32_t TrackFlagsForType(int track_type);
// TrackCode of a track type and texture, with no correction of the texture.
int32_t TrackCodeFor(int track_type, int texture);

}  // namespace kurvex
