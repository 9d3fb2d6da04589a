#include "editing/texture_list.h"

#include "course/course.h"
#include "course/display_names.h"
#include "course/track_type.h"

namespace kurvex {

namespace {

int ListSize(int track_type) {
  switch (track_type) {
    case kNoTrack:
      return 1;
    case kNormal:
      return 9;  // textures 0 and 2..9
    case kHighWall:
    case kNoWall:
      return 3;
    case kPipe:
    case kCylinder:
    case kHalfPipe:
    case kTunnel:
      return 4;
    default:
      return 0;
  }
}

}  // namespace

std::vector<std::string> TextureList(int track_type) {
  std::vector<std::string> names;
  for (int index = 0; index < ListSize(track_type); ++index) {
    names.push_back(TextureName(track_type, TextureOfListIndex(track_type, index)));
  }
  return names;
}

int TextureOfListIndex(int track_type, int list_index) {
  if (list_index < 0 || list_index >= ListSize(track_type)) return -1;
  return track_type == kNormal && list_index >= 1 ? list_index + 1 : list_index;
}

int TextureListIndex(int32_t track_code) {
  if (track_code == kNoTrackCode) return 0;
  const int type = TrackTypeOfCode(track_code);
  const int texture = TextureOfCode(track_code);
  const int index = type == kNormal && texture >= 2 ? texture - 1 : texture;
  return TextureOfListIndex(type, index) == texture ? index : -1;
}

}  // namespace kurvex
