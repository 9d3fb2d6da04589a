#include "course/track_type.h"

#include "course/course.h"

namespace kurvex {

int TrackTypeOfCode(int32_t track_code) {
  if (track_code == kNoTrackCode) return kNoTrack;
  const int type = (track_code & 0xFF0) / 64 + 1;
  return type == 8 ? kNoWall : type;
}

int32_t TrackFlagsForType(int track_type) {
  switch (track_type) {
    case kNoTrack: return 0x1000;
    case kNormal: return 0x1800;
    case kHighWall: return 0x800;
    case kPipe: return 0x2000;
    case kTunnel: return 0x2800;
    case kNoWall: return 0x800;
    default: return 0;  // Cylinder, Half Pipe
  }
}

int32_t TrackCodeFor(int track_type, int texture) {
  if (track_type == kNoTrack) return kNoTrackCode;
  const int type_index = track_type == kNoWall ? 8 : track_type;
  return (type_index - 1) * 64 + texture;
}

}  // namespace kurvex
