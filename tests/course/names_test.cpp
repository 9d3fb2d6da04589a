#include <gtest/gtest.h>

#include "course/display_names.h"
#include "course/track_type.h"

namespace kurvex {
namespace {

TEST(TrackType, CodesTypesAndFlags) {
  EXPECT_EQ(TrackTypeOfCode(447), kNoTrack);
  EXPECT_EQ(TrackTypeOfCode(2), kNormal);
  EXPECT_EQ(TrackTypeOfCode(64 + 1), kHighWall);
  EXPECT_EQ(TrackTypeOfCode(448 + 2), kNoWall);
  EXPECT_EQ(TrackTypeOfCode(512), 9);
  EXPECT_EQ(TrackCodeFor(kNoWall, 1), 449);
  EXPECT_EQ(TrackCodeFor(kTunnel, 3), 323);
  EXPECT_EQ(TrackFlagsForType(kTunnel), 0x2800);
  EXPECT_EQ(TrackFlagsForType(kCylinder), 0);
}

TEST(DisplayNames, TablesAndTheirGaps) {
  EXPECT_EQ(TrackTypeName(8), "(Invalid)");
  EXPECT_EQ(TextureName(kNormal, 1), "(Invalid)");
  EXPECT_EQ(TextureName(kNormal, 9), "Green High-wall");
  EXPECT_EQ(TextureName(kNoWall, 2), "Grey No-walls");
  EXPECT_EQ(TextureName(kNoTrack, 5), "(No Track)");
  EXPECT_EQ(MusicName(36), "Roller Coaster");
  EXPECT_EQ(MusicName(9), "(Invalid)");
  EXPECT_EQ(ZoneSideName(4), "(Invalid)");
  EXPECT_EQ(ZoneSideName(255), "(None)");
  EXPECT_EQ(PlatePositionName(kPipe, 0), "Bottom");
  EXPECT_EQ(PlatePositionName(kCylinder, 2), "Left Side");
  EXPECT_EQ(PlatePositionName(kTunnel, 1), "Left Side");
  EXPECT_EQ(StructureName(7), "Pyramid (Left Side)");
  EXPECT_EQ(StructureName(14), "Orange Skyscraper (Right Side)");
  EXPECT_EQ(StructureName(15), "(Invalid)");
  EXPECT_EQ(VenueName(10), "GP Ending");
  EXPECT_EQ(SkyName(7), "Light Blue");
}

TEST(DisplayNames, HorizonImagesWithCupEntries) {
  EXPECT_EQ(HorizonImageName(1), "Mute City A (Light)");
  EXPECT_EQ(HorizonImageName(44), "\"Jack Cup\"");
  EXPECT_EQ(HorizonImageName(45), "GP Ending B");
  EXPECT_EQ(HorizonImageName(52), "\"Edit Cup\"");
  EXPECT_EQ(HorizonImageName(55), "Silence B (Dark)");
  EXPECT_EQ(HorizonImageName(56), "Invalid");
  EXPECT_EQ(HorizonImageName(0), "");
  EXPECT_EQ(HorizonImageName(57), "");
}

}  // namespace
}  // namespace kurvex
