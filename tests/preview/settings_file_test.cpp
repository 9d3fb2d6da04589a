#include "preview/settings_file.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>

#include "course/file_io.h"
#include "scratch_dir.h"

namespace kurvex {
namespace {

TEST(GraphicsSettings, DefaultsAndBoxes) {
  const GraphicsSettings g;
  EXPECT_EQ(DrawHex(g.lines[kLineFloorGrid].colour), "CCCCCC");
  EXPECT_EQ(DrawHex(g.lines[kLineSegmentLines].colour), "999900");
  EXPECT_TRUE(g.lines[kLineCtlDots].antialiasing);
  EXPECT_FALSE(g.lines[kLineCenterSpline].antialiasing);
  EXPECT_TRUE(g.features[kShowTrapFields]);
  EXPECT_EQ(g.segment_distance, 0.25);

  Rgb colour{1, 2, 3};
  EXPECT_TRUE(DoHex(" abc ", colour));
  EXPECT_EQ(DrawHex(colour), "000ABC");
  EXPECT_FALSE(DoHex("12G", colour));
  EXPECT_EQ(DrawHex(colour), "000ABC");
  EXPECT_FALSE(DoHex("", colour));
  EXPECT_EQ(TransparencyFromNumber(150), 100);
  EXPECT_EQ(TransparencyFromNumber(-5), 0);
  EXPECT_EQ(TransparencyFromNumber(49.5), 50);
  EXPECT_EQ(SegmentDistanceFromNumber(0), 0.01);
  EXPECT_EQ(SegmentDistanceFromNumber(0.5), 0.5);
}

Settings EveryFieldChanged() {
  Settings s;
  s.graphics.lines[kLineLeftSpline] = {false, {1, 2, 3}, true};
  s.graphics.tunnel_transparency_percent = 17;
  s.graphics.segment_distance = 0.125;
  s.graphics.use_sky_colour = false;
  s.graphics.clear_colour = {9, 8, 7};
  s.graphics.wireframe = true;
  s.graphics.features[kShowPyramids] = false;
  s.camera.x = -12.5;
  s.camera.elevation = 300;
  s.camera.ang_speed = 2.5;
  s.camera.ang_hold = true;
  s.element.current_point = 12;
  s.element.drag_speed = 3;
  s.element.max[1] = 9000;
  s.windows[kWindowPatch] = {0.25, 0.5, 0.125, 0.75, true};
  return s;
}

TEST(SettingsFile, LayoutAndRoundTrip) {
  const std::vector<uint8_t> defaults = EncodeSettings(Settings());
  ASSERT_EQ(defaults.size(), kSettingsFileSize);
  EXPECT_EQ(defaults[0], 0xFF);  // floor grid on: -1 as int16, little-endian
  EXPECT_EQ(defaults[1], 0xFF);
  EXPECT_EQ(defaults[2], 0xCC);
  // Segment distance 0.25 at offset 49 + 10: the double's bytes, least significant first.
  EXPECT_EQ(defaults[59 + 7], 0x3F);
  EXPECT_EQ(defaults[59 + 6], 0xD0);
  // The element block starts at 49 + 39 + 38 + 72 = 198 with the current point.
  EXPECT_EQ(defaults[198], 0);

  const Settings changed = EveryFieldChanged();
  const std::vector<uint8_t> bytes = EncodeSettings(changed);
  Settings back;
  ASSERT_TRUE(DecodeSettings(bytes.data(), bytes.size(), back));
  EXPECT_EQ(EncodeSettings(back), bytes);
  EXPECT_EQ(back.camera.ang_speed, 2.5);
  EXPECT_TRUE(back.windows[kWindowPatch].visible);
  EXPECT_FALSE(back.graphics.features[kShowPyramids]);
}

TEST(SettingsFile, ShortFileAppliesWhatItHolds) {
  const std::vector<uint8_t> bytes = EncodeSettings(EveryFieldChanged());
  Settings back;
  EXPECT_FALSE(DecodeSettings(bytes.data(), 100, back));
  EXPECT_EQ(back.graphics.tunnel_transparency_percent, 17);  // block 2 was read
  EXPECT_TRUE(back.graphics.features[kShowPyramids]);         // block 3 was not
  EXPECT_EQ(back.camera.x, 0);
}

TEST(SettingsFile, LoadAndSaveResults) {
  const test::ScratchDir scratch;
  const std::string dir = scratch.path();
  const std::string path = dir + "/" + kSettingsFileName;
  Settings settings;
  EXPECT_EQ(LoadSettingsFile(path, settings), kSettingsMissing);
  EXPECT_EQ(SettingsMessage(kSettingsMissing), "");
  ASSERT_EQ(SaveSettingsFile(path, EveryFieldChanged()), kSettingsOk);
  EXPECT_EQ(LoadSettingsFile(path, settings), kSettingsOk);
  EXPECT_EQ(settings.element.current_point, 12);
  ASSERT_TRUE(WriteFileAtomically(path, std::string("abc")));
  EXPECT_EQ(LoadSettingsFile(path, settings), kSettingsLoadFailed);
  EXPECT_EQ(SettingsMessage(kSettingsLoadFailed), "Unable to load settings");
  EXPECT_EQ(SettingsMessageCaption(kSettingsLoadFailed), "Load Settings");
  EXPECT_EQ(SaveSettingsFile(dir + "/no/such/dir/opts.cfg", settings), kSettingsSaveFailed);
  EXPECT_EQ(SettingsMessage(kSettingsSaveFailed), "Unable to save settings");
}

}  // namespace
}  // namespace kurvex
