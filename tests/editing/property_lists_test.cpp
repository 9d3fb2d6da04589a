#include "editing/property_lists.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "course/new_course.h"
#include "editing/horizon_list.h"

namespace kurvex {
namespace {

TEST(PropertyLists, MusicBothWays) {
  const std::pair<int, int> music_index[] = {{255, 0}, {0, 1},   {8, 9},   {13, 10},
                                             {16, 13}, {21, 14}, {22, 15}, {24, 16}};
  for (const auto& [music, index] : music_index) {
    EXPECT_EQ(RomMusicIndex(music), index) << music;
    EXPECT_EQ(RomMusicOfIndex(index), music) << index;
  }
  ASSERT_EQ(RomMusicList().size(), 17u);
  EXPECT_EQ(RomMusicList()[0], "(No Music)");
  EXPECT_EQ(RomMusicList()[16], "Death Race");
  for (int music : {9, 17, 23, 32, 254}) EXPECT_EQ(RomMusicIndex(music), 0) << music;

  ASSERT_EQ(EkMusicList().size(), 14u);
  EXPECT_EQ(EkMusicList()[9], "Rainbow Road");
  EXPECT_EQ(EkMusicIndex(8), 8);
  EXPECT_EQ(EkMusicIndex(36), 13);
  EXPECT_EQ(EkMusicOfIndex(9), 32);
  for (int music : {9, 20, 31, 37, 255}) EXPECT_EQ(EkMusicIndex(music), 0) << music;
}

TEST(PropertyLists, ChoosingStoresTheNumberOrNothing) {
  Course course = NewCourse();
  EXPECT_TRUE(ChooseRomMusic(course, 16));
  EXPECT_EQ(course.RomMusic, 24);
  EXPECT_TRUE(ChooseRomMusic(course, 0));
  EXPECT_EQ(course.RomMusic, 255);
  EXPECT_TRUE(ChooseEkMusic(course, 11));
  EXPECT_EQ(course.EkMusic, 34);
  EXPECT_TRUE(ChooseVenue(course, 10));
  EXPECT_TRUE(ChooseSky(course, 7));
  // No selection, or an index past the list.
  EXPECT_FALSE(ChooseRomMusic(course, -1));
  EXPECT_FALSE(ChooseRomMusic(course, 17));
  EXPECT_FALSE(ChooseEkMusic(course, 14));
  EXPECT_FALSE(ChooseVenue(course, 11));
  EXPECT_FALSE(ChooseSky(course, -1));
  EXPECT_EQ(course.RomMusic, 255);
  EXPECT_EQ(course.EkMusic, 34);
  EXPECT_EQ(course.Venue, 10);
  EXPECT_EQ(course.Sky, 7);
  // Venue and sky show their last entry when too high.
  EXPECT_EQ(VenueList().size(), 11u);
  EXPECT_EQ(SkyList()[7], "Light Blue");
  EXPECT_EQ(VenueIndex(6), 6);
  EXPECT_EQ(VenueIndex(255), 10);
  EXPECT_EQ(SkyIndex(8), 7);
}

TEST(HorizonList, AddUpToSixThenDeleteKeepingASelection) {
  Course course = NewCourse();
  for (int h = 1; h <= 6; ++h) {
    course.HorizonImage[h] = 9;  // left over from an earlier list
    course.HorizonAngle[h] = 12.5f;
    EXPECT_EQ(AddHorizon(course), h);
    EXPECT_EQ(course.HorizonImage[h], 1);
    EXPECT_EQ(course.HorizonAngle[h], 0.0f);
    course.HorizonImage[h] = static_cast<uint8_t>(10 + h);
  }
  EXPECT_EQ(AddHorizon(course), 0);

  EXPECT_EQ(DeleteHorizon(course, 2), 2);
  ASSERT_EQ(course.HorizonCount, 5);
  EXPECT_EQ(course.HorizonImage[2], 13);
  EXPECT_EQ(course.HorizonImage[5], 16);
  EXPECT_EQ(DeleteHorizon(course, 5), 4);  // the last: select the new last
  EXPECT_EQ(DeleteHorizon(course, 5), -1);
  EXPECT_EQ(DeleteHorizon(course, 0), -1);
  for (int left = 3; left >= 0; --left) EXPECT_EQ(DeleteHorizon(course, 1), left == 0 ? 0 : 1);
  EXPECT_EQ(course.HorizonCount, 0);

  course.HorizonCount = 9;  // never walked past the arrays
  EXPECT_EQ(AddHorizon(course), 0);
  EXPECT_EQ(DeleteHorizon(course, 7), -1);
  EXPECT_EQ(DeleteHorizon(course, 6), 5);
}

TEST(HorizonList, AngleIsKeptWithinOneTurn) {
  EXPECT_EQ(NormaliseHorizonAngle(-90), 270.0f);
  EXPECT_EQ(NormaliseHorizonAngle(720), 0.0f);
  EXPECT_EQ(NormaliseHorizonAngle(-725), 355.0f);
  EXPECT_EQ(NormaliseHorizonAngle(45.5), 45.5f);
  EXPECT_FALSE(std::signbit(NormaliseHorizonAngle(-0.0)));
  // Values that would round to 360 itself.
  EXPECT_EQ(NormaliseHorizonAngle(-1e-20), 0.0f);
  EXPECT_EQ(NormaliseHorizonAngle(359.99999999), 0.0f);
  const float huge = NormaliseHorizonAngle(1e300);
  EXPECT_TRUE(huge >= 0.0f && huge < 360.0f);
  EXPECT_EQ(NormaliseHorizonAngle(std::numeric_limits<double>::quiet_NaN()), 0.0f);
  EXPECT_EQ(NormaliseHorizonAngle(-std::numeric_limits<double>::infinity()), 0.0f);
}

TEST(HorizonList, AngleAndImageOfAnEntry) {
  Course course = NewCourse();
  AddHorizon(course);
  EXPECT_TRUE(SetHorizonAngle(course, 1, -90));
  EXPECT_EQ(course.HorizonAngle[1], 270.0f);
  EXPECT_FALSE(SetHorizonAngle(course, 2, 10));

  EXPECT_EQ(HorizonImageIndex(course, 1), 0);
  EXPECT_TRUE(ChooseHorizonImage(course, 1, 54));
  EXPECT_EQ(course.HorizonImage[1], 55);
  EXPECT_FALSE(ChooseHorizonImage(course, 1, 55));
  EXPECT_FALSE(ChooseHorizonImage(course, 2, 0));
  course.HorizonImage[1] = 0;
  EXPECT_EQ(HorizonImageIndex(course, 1), -1);
}

}  // namespace
}  // namespace kurvex
