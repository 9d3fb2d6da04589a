// The frame's clock and cycling colours, without GL.
#include <gtest/gtest.h>

#include "preview/preview_frame.h"
#include "preview/sky.h"

namespace kurvex {

namespace {

TEST(FrameClock, AdvancesByRealTimeWithTheTimerAndByAThirtiethWithout) {
  PreviewFrame frame;
  frame.AdvanceTime(100, true);
  EXPECT_DOUBLE_EQ(frame.AnimationTime(), 0.1);
  frame.AdvanceTime(100, false);
  EXPECT_NEAR(frame.AnimationTime(), 0.1 + 1.0 / 30, 1e-12);
  frame.AdvanceTime(0, true);
  EXPECT_NEAR(frame.AnimationTime(), 0.1 + 1.0 / 30, 1e-12);
}

TEST(FrameClock, WrapsAt360SecondsEvenAfterALongPause) {
  PreviewFrame frame;
  frame.SetAnimationTime(359.95);
  frame.AdvanceTime(100, true);
  EXPECT_NEAR(frame.AnimationTime(), 0.05, 1e-9);
  // Twenty minutes in one pass: still inside the clock's range.
  frame.AdvanceTime(1200000, true);
  EXPECT_NEAR(frame.AnimationTime(), 120.05, 1e-9);
  frame.SetAnimationTime(-30);
  EXPECT_DOUBLE_EQ(frame.AnimationTime(), 330);
  frame.SetAnimationTime(720.5);
  EXPECT_DOUBLE_EQ(frame.AnimationTime(), 0.5);
}

TEST(FrameColours, BlinkAndHueRepeatEverySecond) {
  EXPECT_DOUBLE_EQ(Blink(0), 255);
  EXPECT_DOUBLE_EQ(Blink(0.25), 127.5);
  EXPECT_DOUBLE_EQ(Blink(0.5), 255);
  EXPECT_NEAR(Blink(359.75), Blink(0.25), 1e-6);
  EXPECT_EQ(Hue(0), 0);
  EXPECT_EQ(Hue(0.5), 180);
  EXPECT_EQ(Hue(1), 0);
  EXPECT_EQ(Hue(0.25), 90);
  EXPECT_EQ(Hue(359.999), 0);
}

TEST(FrameColours, ColorWheelRunsThroughTheSixSectors) {
  const double expected[][4] = {{0, 255, 0, 0},      {30, 255, 127.5, 0}, {60, 255, 255, 0},
                                {90, 127.5, 255, 0}, {180, 0, 255, 255},  {240, 0, 0, 255},
                                {300, 255, 0, 255},  {330, 255, 0, 127.5}};
  for (const auto& row : expected) {
    const ColourF c = ColorWheel(row[0]);
    EXPECT_DOUBLE_EQ(c.r, row[1]) << row[0];
    EXPECT_DOUBLE_EQ(c.g, row[2]) << row[0];
    EXPECT_DOUBLE_EQ(c.b, row[3]) << row[0];
  }
}

}  // namespace

}  // namespace kurvex
