#include "course/display_names.h"

#include <array>
#include <initializer_list>
#include <utility>

#include "course/track_type.h"

namespace kurvex {

const char kInvalidName[] = "(Invalid)";
const char kNoneName[] = "(None)";

namespace {

using NameTable = std::initializer_list<const char*>;

// Name of value in a table that starts at 0.
std::string FromTable(NameTable names, int value) {
  if (value < 0 || value >= static_cast<int>(names.size())) return kInvalidName;
  const char* name = names.begin()[value];
  return name ? name : kInvalidName;
}

// As FromTable, with 255 named "(None)".
std::string FeatureName(NameTable names, int value) {
  return value == 255 ? kNoneName : FromTable(names, value);
}

const char* const kHorizonImages[] = {
    "Mute City A (Light)", "Mute City B (Light)", "Mute City C (Light)", "Mute City D (Light)",
    "Devil's Forest A", "Devil's Forest B", "Devil's Forest C", "Devil's Forest D",
    "Port Town A (Light)", "Port Town B (Light)", "Port Town C (Light)", "Port Town D (Light)",
    "Port Town A (Dark)", "Port Town B (Dark)", "Port Town C (Dark)", "Port Town D (Dark)",
    "Red Canyon A", "Red Canyon B", "Red Canyon C", "Red Canyon D", "Sector A", "Sector B",
    "Sector C", "X Cup Exclusive A", "Big Hand A", "Big Hand B", "Big Hand C", "Big Hand D",
    "White Land A", "White Land B", "White Land C", "X Cup Exclusive B", "Big Blue A",
    "Big Blue B", "Big Blue C", "Big Blue D", "Silence A (Light)", "Silence B (Light)",
    "Mute City A (Dark)", "Mute City B (Dark)", "Mute City C (Dark)", "Mute City D (Dark)",
    "GP Ending A", "\"Jack Cup\"", "GP Ending B", "GP Ending C", "GP Ending D", "\"Queen Cup\"",
    "\"King Cup\"", "\"Joker Cup\"", "\"X Cup\"", "\"Edit Cup\"", "X Cup Exclusive C",
    "Silence A (Dark)", "Silence B (Dark)", "Invalid"};

}  // namespace

std::string TrackTypeName(int track_type) {
  return FromTable({"(No Track)", "Normal", "High-Wall", "Pipe", "Cylinder", "Half Pipe",
                    "Tunnel", "No Wall"},
                   track_type);
}

std::string TextureName(int track_type, int texture) {
  switch (track_type) {
    case kNoTrack: return "(No Track)";
    case kNormal:
      return FromTable({"Venue Finish Stretch", nullptr, "Venue Texture 1A", "Venue Texture 1B",
                        "Venue Texture 1C", "Venue Texture 2A", "Venue Texture 2B",
                        "Venue High-wall", "Blue High-wall", "Green High-wall"},
                       texture);
    case kHighWall:
      return FromTable({"Venue High-wall", "Blue High-wall", "Green High-wall"}, texture);
    case kPipe: return FromTable({"Blue Pipe", "Red Pipe", "White Pipe", "Black Pipe"}, texture);
    case kCylinder:
      return FromTable(
          {"Faded Cylinder", "Segmented Cylinder", "Notched Cylinder", "Blue Cylinder"}, texture);
    case kHalfPipe:
      return FromTable({"Grainy Half Pipe", "Striped Half Pipe", "Green Half Pipe",
                        "Pinstriped Half Pipe"},
                       texture);
    case kTunnel:
      return FromTable({"Brown Tunnel", "Blue Tunnel", "Green Tunnel", "Orange Tunnel"}, texture);
    case kNoWall:
      return FromTable({"Venue No-walls", "Teal No-walls", "Grey No-walls"}, texture);
    default: return kInvalidName;
  }
}

std::string VenueName(int venue) {
  return FromTable({"Mute City", "Port Town", "Big Blue", "Sand Ocean", "Devil's Forest",
                    "White Land", "Sector", "Red Canyon", "Fire Field", "Silence", "GP Ending"},
                   venue);
}

std::string SkyName(int sky) {
  return FromTable(
      {"Pink", "Teal", "Grey", "Blue", "Night", "Orange", "Sunset", "Light Blue"}, sky);
}

std::string MusicName(int music) {
  static const std::pair<int, const char*> kMusic[] = {
      {0, "Mute City"},      {1, "Silence"},        {2, "Sand Ocean"},   {3, "Port Town"},
      {4, "Big Blue"},       {5, "Devil's Forest"}, {6, "Red Canyon"},   {7, "Sector"},
      {8, "White Land"},     {13, "Title"},         {14, "Menu"},        {15, "Records"},
      {16, "Race Results"},  {21, "GP Ending"},     {22, "Credits"},     {24, "Death Race"},
      {32, "Rainbow Road"},  {33, "Big Foot"},      {34, "Japon"},       {35, "Regeneration"},
      {36, "Roller Coaster"}, {255, "(No Music)"}};
  for (const auto& [number, name] : kMusic) {
    if (number == music) return name;
  }
  return kInvalidName;
}

std::string ZoneSideName(int side) {
  return FeatureName({"Both Sides", "Left side", "Right side", "Center", "(Invalid)"}, side);
}

std::string PlatePositionName(int track_type, int position) {
  if (track_type == kPipe) return FeatureName({"Bottom", "Right Side", "Top"}, position);
  if (track_type == kCylinder) return FeatureName({"Top", "Bottom", "Left Side"}, position);
  return FeatureName({"Center", "Left Side", "Right Side"}, position);
}

std::string TrapFieldName(int value) {
  return FeatureName({"Center", "Left Side", "Right Side"}, value);
}

std::string JumpPlateName(int value) {
  return FeatureName({"Full-Width", "Left Side", "Right Side"}, value);
}

std::string GateName(int value) {
  return FeatureName({"Normal", "Lap Marker", "Canopy"}, value);
}

std::string DecorationName(int value) {
  return FeatureName({"TV Billboard", "Orange Flag", "Blue Flag", "Spinning Billboard",
                      "Overhead Monitors"},
                     value);
}

std::string StructureName(int value) {
  if (value == 255) return kNoneName;
  if (value < 0 || value > 14) return kInvalidName;
  return FromTable({"Venue Skyscraper", "Short Building", "Pyramid", "Pinnacle",
                    "Orange Skyscraper"},
                   value / 3) +
         FromTable({" (Both Sides)", " (Left Side)", " (Right Side)"}, value % 3);
}

std::string HorizonImageName(int image) {
  constexpr int kCount = sizeof(kHorizonImages) / sizeof(kHorizonImages[0]);
  if (image < 1 || image > kCount) return "";
  return kHorizonImages[image - 1];
}

}  // namespace kurvex
