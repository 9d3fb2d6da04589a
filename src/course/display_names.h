#pragma once
// Display names of every numbered course value, as the windows and the data sheet show them.
// A value without a name gives "(Invalid)" unless noted.

#include <string>

namespace kurvex {

extern const char kInvalidName[];  // "(Invalid)"
extern const char kNoneName[];     // "(None)", the name of 255 in every feature

std::string TrackTypeName(int track_type);
std::string TextureName(int track_type, int texture);  // "(No Track)" for track type 0
std::string VenueName(int venue);
std::string SkyName(int sky);
std::string MusicName(int music);
std::string ZoneSideName(int side);  // pit areas, dart zones, slip zones
std::string PlatePositionName(int track_type, int position);  // dash plates
std::string TrapFieldName(int value);
std::string JumpPlateName(int value);
std::string GateName(int value);
std::string DecorationName(int value);
std::string StructureName(int value);
// 1..55 images, 56 "Invalid"; 0 and above 56 have an empty name.
std::string HorizonImageName(int image);

}  // namespace kurvex
