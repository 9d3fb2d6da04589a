#include "editing/friendly.h"

#include <gtest/gtest.h>

#include "course/track_type.h"
#include "course/track_type.h"
#include "test_courses.h"

namespace kurvex {
namespace {

using test::RingCourse;

TEST(RomFriendly, KeepsTheFirstFeaturesInPointOrder) {
  Course c = RingCourse(25);
  for (int i = 1; i <= 25; ++i) {
    c.DashPlate[i] = 0;
    c.JumpPlate[i] = 1;
    c.Decoration[i] = 2;
  }
  c.Gate[1] = 1;
  c.Gate[2] = kNone;  // the new course's lap marker
  c.Structure[1] = 3;
  RomFriendly(c);
  EXPECT_EQ(c.DashPlate[20], 0);
  EXPECT_EQ(c.DashPlate[21], kNone);
  EXPECT_EQ(c.JumpPlate[4], 1);
  EXPECT_EQ(c.JumpPlate[5], kNone);
  // Structure and gate of point 1 count first: 18 decorations fit beside them.
  EXPECT_EQ(c.Structure[1], 3);
  EXPECT_EQ(c.Gate[1], 1);
  EXPECT_EQ(c.Decoration[18], 2);
  EXPECT_EQ(c.Decoration[19], kNone);
}

TEST(EkFriendly, RoundsToTheExpansionKitsRules) {
  Course c = RingCourse(8, 7000);
  c.Venue = 10;
  c.Points[1].TrackCode = 5;
  c.Points[2].X = 1234.5f;
  c.Points[2].Y = 6000;
  c.Points[2].LeftWidth = 1500;
  c.Points[2].RightWidth = 1000;
  c.Banking[2] = 359;
  c.Banking[3] = 4;
  c.Points[3].TrackCode = 0;
  c.Points[4].TrackCode = TrackCodeFor(kPipe, 1);
  c.PitArea[4] = 0;
  c.Gate[4] = 0;
  c.Structure[4] = 0;
  c.DashPlate[4] = 1;
  c.Points[5].TrackCode = 3;  // Normal texture 3 at GP Ending becomes 6
  PreparedCourse prepared;
  const std::vector<Message> messages = EkFriendly(c, 0.25, prepared);
  EXPECT_TRUE(messages.empty());
  EXPECT_EQ(c.Points[1].TrackCode, 0);
  EXPECT_EQ(c.Points[2].X, 1230.0f);
  EXPECT_EQ(c.Points[2].Y, 5000.0f);
  EXPECT_EQ(c.Points[2].LeftWidth, 1200);
  EXPECT_EQ(c.Points[2].RightWidth, 800);
  EXPECT_EQ(c.Banking[2], 360);
  EXPECT_EQ(c.Banking[3], 3);
  EXPECT_EQ(c.Points[3].TrackCode, 5);  // 0 became 2, then GP Ending swapped it
  EXPECT_EQ(c.PitArea[4], kNone);
  EXPECT_EQ(c.Gate[4], kNone);
  EXPECT_EQ(c.Structure[4], 0);
  EXPECT_EQ(c.DashPlate[4], 1);
  EXPECT_EQ(c.Points[5].TrackCode, 6);
  EXPECT_EQ(c.Venue, 6);
}

TEST(EkFriendly, ReportsWhatItCannotRepair) {
  Course close = RingCourse(4, 5000);
  close.Points[2] = {5000, 0, 300, 260, 260, 0x1800, 2};  // 30 units from point 1
  PreparedCourse prepared;
  std::vector<Message> messages = EkFriendly(close, 0.25, prepared);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].Text().substr(0, 37), "There is 1 case where control points\r");

  // A zig-zag across the whole box is far longer than 25,000 shown units.
  Course big = RingCourse(16);
  for (int i = 1; i <= 16; ++i) {
    big.Points[i].X = i % 2 ? -14000.0f : 14000.0f;
    big.Points[i].Z = -14000.0f + 1500.0f * i;
  }
  big.Points[9].X = big.Points[8].X;
  big.Points[9].Z = big.Points[8].Z + 100;
  messages = EkFriendly(big, 0.25, prepared);
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[0].Text().substr(0, 20), "There is 1 case wher");
  EXPECT_EQ(messages[1].Text().substr(0, 41), "The course length is greater than 25,000.");
}

}  // namespace
}  // namespace kurvex
