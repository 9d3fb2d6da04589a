#include "course/datasheet.h"

#include <gtest/gtest.h>

#include "course/kurv_file.h"
#include "course/new_course.h"
#include "course/track_type.h"
#include "test_courses.h"

namespace kurvex {
namespace {

Course FromSheet(const std::string& text, int16_t expected = kSheetOk) {
  Course course = NewCourse();
  EXPECT_EQ(ReadDatasheet(text, course), expected);
  return course;
}

// A sheet of the new course with the given lines placed after point 1's block.
std::string WithPointOneLines(const std::string& lines) {
  return "CTL_Point_Count = 4\r\nCTL_Point 1\r\n" + lines;
}

TEST(GenDatasheet, NewCourseText) {
  const std::string sheet = GenDatasheet(NewCourse());
  const std::string start =
      "Name = NEW TRACK\r\nDescription = \r\nJDescription = \r\n"
      "Source = Made with Kurvex: F-Zero X\r\n\r\n"
      "Venue = 0 - Mute City\r\nSky = 0 - Pink\r\nROM_Music = 255 - (No Music)\r\n"
      "EK_Music = 0 - Mute City\r\n\r\nHorizon_Count = 0\r\nCTL_Point_Count = 4\r\n\r\n\r\n"
      "CTL_Point 1\r\nX = 0.000\r\nY = 0.000\r\nZ = -500.000\r\nLeftWidth = 26.0\r\n"
      "RightWidth = 26.0\r\nBanking = 0\xB0\r\nTrackType = 1 - Normal\r\n"
      "Texture = 0 - Venue Finish Stretch\r\n\r\nCTL_Point 2\r\n";
  EXPECT_EQ(sheet.substr(0, start.size()), start);
  const std::string end =
      "Texture = 2 - Venue Texture 1A\r\nGate = 1 - Lap Marker\r\n\r\nCTL_Point 3\r\n";
  EXPECT_NE(sheet.find(end), std::string::npos);
  const std::string last = "\r\nTexture = 2 - Venue Texture 1A";
  EXPECT_EQ(sheet.substr(sheet.size() - last.size()), last);
}

TEST(GenDatasheet, HorizonsFeaturesAndTokens) {
  Course c = NewCourse();
  c.Name = "\xAB\xFC";
  c.Description = "HI\xFF";
  c.HorizonCount = 1;
  c.HorizonImage[1] = 44;
  c.HorizonAngle[1] = 12.5f;
  c.Points[3].TrackCode = TrackCodeFor(kCylinder, 1);
  c.DashPlate[3] = 0;
  c.Structure[3] = 4;
  c.Points[4].TrackCode = kNoTrackCode;
  const std::string sheet = GenDatasheet(c);
  EXPECT_NE(sheet.find("Name = [ka][alpha]\r\nDescription = HI[-]\r\n"), std::string::npos);
  EXPECT_NE(sheet.find("CTL_Point_Count = 4\r\n\r\n\r\nHorizon 1\r\n"
                       "Image = 44 - \"Jack Cup\"\r\nAngle = 12.500\xB0\r\n\r\n\r\nCTL_Point 1"),
            std::string::npos);
  EXPECT_NE(sheet.find("TrackType = 4 - Cylinder\r\nTexture = 1 - Segmented Cylinder\r\n"
                       "DashPlate = 0 - Top\r\nStructure = 4 - Short Building (Left Side)"),
            std::string::npos);
  const std::string last = "\r\nTrackType = 0 - (No Track)";  // no texture, no line break
  EXPECT_EQ(sheet.substr(sheet.size() - last.size()), last);
}

TEST(ReadDatasheet, GenerateReadGenerateIsStable) {
  Course c = NewCourse();
  c.Venue = 5;
  c.Sky = 4;
  c.RomMusic = 8;
  c.EkMusic = 33;
  c.Name = "TEST \xFC";
  c.Description = "SOME crs TEXT.";
  c.JDescription = "\xAB\xAC";
  c.Source = "Somewhere \xE9";
  c.HorizonCount = 2;
  c.HorizonImage[1] = 3;
  c.HorizonAngle[1] = 359.75f;
  c.HorizonImage[2] = 50;
  c.HorizonAngle[2] = 0.5f;
  c.PointCount = 6;
  for (int i = 5; i <= 6; ++i) c.Points[i] = {i * 100.5f, 30, -7.25f, 333, 1950, 0, 0};
  c.Points[5].TrackCode = TrackCodeFor(kNoWall, 2);
  c.Points[6].TrackCode = TrackCodeFor(kNoWall, 1);
  c.Banking[5] = 359;
  c.PitArea[2] = 1;
  c.DartZone[3] = 3;
  c.JumpPlate[4] = 0;
  c.TrapField[4] = 2;
  c.Decoration[5] = 3;
  const std::string sheet = GenDatasheet(c);
  const Course back = FromSheet(sheet);
  EXPECT_EQ(GenDatasheet(back), sheet);
  std::vector<uint8_t> a, b;
  WriteCourseFile(c, a);
  WriteCourseFile(back, b);
  EXPECT_EQ(a, b);
  EXPECT_EQ(back.Points[5].TrackFlags, 0x800);  // flags follow the composed code
}

TEST(ReadDatasheet, CountsAndHeaders) {
  EXPECT_EQ(FromSheet("X = 5").PointCount, 4);
  EXPECT_EQ(FromSheet("X = 5").Points[1].X, 0.0f);  // no count given: point lines ignored
  EXPECT_EQ(FromSheet("CTL_Point_Count = 70").PointCount, 4);
  EXPECT_EQ(FromSheet("CTL_Point_Count = 3.9").PointCount, 4);
  EXPECT_EQ(FromSheet("CTL_Point_Count = 8\r\nCTL_Point_Count = 9").PointCount, 8);
  EXPECT_EQ(FromSheet("Horizon_Count = 0\r\nHorizon 1\r\nImage = 5").HorizonCount, 0);
  const Course h = FromSheet("Horizon_Count = 0\r\nHorizon_Count = 2\r\nHorizon 2\r\nImage = 9");
  EXPECT_EQ(h.HorizonCount, 2);
  EXPECT_EQ(h.HorizonImage[1], 1);
  EXPECT_EQ(h.HorizonImage[2], 9);
  // An out-of-range header keeps the current point, so later lines change it.
  const Course p = FromSheet(WithPointOneLines("CTL_Point 9\r\nX = 7"));
  EXPECT_EQ(p.Points[1].X, 70.0f);
}

// The described results stay; what was not taken as written is told, line by line.
TEST(ReadDatasheet, ReportTellsWhatWasNotTaken) {
  struct Case {
    std::string sheet;
    std::vector<std::string> notices;
  };
  const std::vector<Case> cases = {
      {"CTL_Point_Count = 65", {"line 1: CTL_Point_Count = 65 is outside 4..64; read as 4"}},
      {"CTL_Point_Count = 8\r\nCTL_Point_Count = 9",
       {"line 2: CTL_Point_Count = 9 is ignored; the count was given on line 1"}},
      {"Horizon_Count = 9\r\nHorizon_Count = 2",
       {"line 1: Horizon_Count = 9 is outside 0..6; read as 0"}},
      {"Horizon_Count = 0\r\nHorizon 1\r\nImage = 5",
       {"line 2: Horizon 1 is read with no Horizon_Count above 0; its lines are ignored"}},
      {"CTL_Point 1\r\nX = 1\r\nCTL_Point 2\r\nCTL_Point_Count = 4\r\nCTL_Point 7",
       {"line 1: CTL_Point 1 and the block after it are before any CTL_Point_Count line; their "
        "lines are ignored",
        "line 5: CTL_Point 7 is outside 1..4; its lines are ignored"}},
      {WithPointOneLines("CTL_Point 9\r\nX = 7\r\nCTL_Point 0\r\nCTL_Point 2\r\nCTL_Point 5"),
       {"line 3: CTL_Point 9 and the block after it are outside 1..4; their lines change point 1",
        "line 7: CTL_Point 5 is outside 1..4; its lines change point 2"}},
      {GenDatasheet(NewCourse()), {}},
  };
  for (const Case& c : cases) {
    Course course = NewCourse();
    SheetReport report;
    EXPECT_EQ(ReadDatasheet(c.sheet, course, &report), kSheetOk);
    std::vector<std::string> texts;
    for (const SheetNotice& notice : report.notices) texts.push_back(notice.Text());
    EXPECT_EQ(texts, c.notices) << c.sheet;
  }
}

// A file of anything could otherwise make a notice of every line.
TEST(ReadDatasheet, ReportCountsKeysAndKeepsFewNotices) {
  Course course = NewCourse();
  SheetReport report;
  ReadDatasheet("Hello = x\r\n# Name = y\r\nName = \r\nname=z\r\nfoo bar", course, &report);
  EXPECT_EQ(report.keys_read, 1);
  std::string repeated;
  for (int i = 0; i < 200; ++i) repeated += "CTL_Point_Count = 9\r\n";
  ReadDatasheet(repeated, course, &report);
  ASSERT_EQ(report.notices.size(), 51u);
  EXPECT_EQ(report.notices.back().text, "and 149 more notices left out");
  EXPECT_EQ(course.PointCount, 9);
}

TEST(ReadDatasheet, LineForms) {
  EXPECT_EQ(FromSheet(WithPointOneLines("# X = 5")).Points[1].X, 0.0f);
  EXPECT_EQ(FromSheet(WithPointOneLines("X=5")).Points[1].X, 50.0f);
  EXPECT_EQ(FromSheet(WithPointOneLines("x = 5")).Points[1].X, 50.0f);
  EXPECT_EQ(FromSheet(WithPointOneLines("  Y   =   1.25  ")).Points[1].Y, 12.5f);
  EXPECT_EQ(FromSheet(WithPointOneLines("Z")).Points[1].Z, -5000.0f);
  EXPECT_EQ(FromSheet("Name = ").Name, "NEW TRACK");
  EXPECT_EQ(FromSheet("Name = mute city [ALPHA]").Name, "MUTE CITY \xFC");
  EXPECT_EQ(FromSheet("Description = ").Description, "");
  EXPECT_EQ(FromSheet("Description = a big race").Description, "A BIG rAcE");
  EXPECT_EQ(FromSheet("Source = keep Case = too").Source, "keep Case = too");
  EXPECT_EQ(FromSheet("Venue = 3 - Big Blue").Venue, 3);
  EXPECT_EQ(FromSheet("Venue = 11").Venue, 0);
  EXPECT_EQ(FromSheet("ROM_Music = 300").RomMusic, 255);
  // Unix line ends are read too, and a last line without a line break counts.
  EXPECT_EQ(FromSheet("CTL_Point_Count = 5\nCTL_Point 5\nX = 2").Points[5].X, 20.0f);
}

// A classic Mac editor ends lines with a lone CR: each is a line end, also mixed with the
// others, and CR LF stays one line end.
TEST(ReadDatasheet, ALoneCrEndsALine) {
  const std::string sheet = GenDatasheet(test::SeededRingCourse(9, 4));
  std::string mac = sheet;
  for (size_t at = mac.find("\r\n"); at != std::string::npos; at = mac.find("\r\n", at)) {
    mac.erase(at + 1, 1);
  }
  ASSERT_EQ(mac.find('\n'), std::string::npos);
  Course read = NewCourse();
  SheetReport report;
  EXPECT_EQ(ReadDatasheet(mac, read, &report), kSheetOk);
  EXPECT_EQ(GenDatasheet(read), GenDatasheet(FromSheet(sheet)));
  EXPECT_EQ(read.PointCount, 9);
  EXPECT_TRUE(report.notices.empty());
  const Course mixed = FromSheet("Name = mixed\rCTL_Point_Count = 6\nCTL_Point 6\r\nX = 2\r\r");
  EXPECT_EQ(mixed.Name, "MIXED");
  EXPECT_EQ(mixed.PointCount, 6);
  EXPECT_EQ(mixed.Points[6].X, 20.0f);
  SheetReport numbered;
  ReadDatasheet("Name = a\r\rCTL_Point_Count = 99\r", read, &numbered);
  ASSERT_EQ(numbered.notices.size(), 1u);
  EXPECT_EQ(numbered.notices[0].line, 3);
}

TEST(ReadDatasheet, PointValueRules) {
  auto point = [](const std::string& lines) { return FromSheet(WithPointOneLines(lines)); };
  EXPECT_EQ(point("Banking = -30").Banking[1], 330);
  EXPECT_EQ(point("Banking = 725").Banking[1], 5);
  EXPECT_EQ(point("LeftWidth = 12.25").Points[1].LeftWidth, 122);  // ties to even
  EXPECT_EQ(point("LeftWidth = 1").Points[1].LeftWidth, 50);       // clamped afterwards
  EXPECT_EQ(point("TrackType = 1\r\nTexture = 1").Points[1].TrackCode, 2);
  EXPECT_EQ(point("TrackType = 3\r\nTexture = 5").Points[1].TrackCode, TrackCodeFor(kPipe, 0));
  EXPECT_EQ(point("TrackType = 7\r\nTexture = 2").Points[1].TrackCode, 450);
  const Course none = point("TrackType = 0");
  EXPECT_EQ(none.Points[1].TrackCode, kNoTrackCode);
  EXPECT_EQ(none.Points[1].TrackFlags, 0x1000);
  EXPECT_EQ(point("TrackType = 6").Points[1].TrackFlags, 0x2800);
  EXPECT_EQ(point("PitArea = 4").PitArea[1], kNone);
  EXPECT_EQ(point("PitArea = 3").PitArea[1], kNone);  // removed by validation
  EXPECT_EQ(point("DartZone = 3").DartZone[1], 3);
  EXPECT_EQ(point("Structure = 14").Structure[1], 14);
  EXPECT_EQ(point("Gate = 3").Gate[1], kNone);
}

TEST(ReadDatasheet, HorizonAngles) {
  auto angle = [](const std::string& value) {
    return FromSheet("Horizon_Count = 1\r\nHorizon 1\r\nAngle = " + value).HorizonAngle[1];
  };
  EXPECT_FLOAT_EQ(angle("359.7"), 359.7f);
  EXPECT_FLOAT_EQ(angle("-0.25"), 359.75f);
  EXPECT_FLOAT_EQ(angle("725.5"), 5.5f);
  EXPECT_FLOAT_EQ(angle("12.500\xB0"), 12.5f);
}

TEST(ReadDatasheet, OverflowStopsAndKeepsWhatWasRead) {
  for (const char* bad : {"X = 1e38", "LeftWidth = 1e9", "Banking = 3e9", "Y = 1e999"}) {
    Course c = NewCourse();
    const std::string sheet =
        "Name = KEPT\r\nCTL_Point_Count = 6\r\nCTL_Point 1\r\n"
        "Z = 1\r\n" +
        std::string(bad) + "\r\nName = LOST";
    SheetReport report;
    EXPECT_EQ(ReadDatasheet(sheet, c, &report), kSheetOverflow) << bad;
    ASSERT_EQ(report.notices.size(), 1u);
    EXPECT_EQ(report.notices[0].Text(),
              "line 5: " + std::string(bad) + " does not fit; reading stopped here");
    EXPECT_EQ(c.Name, "KEPT");
    EXPECT_EQ(c.Points[1].Z, 10.0f);
    EXPECT_EQ(c.PointCount, 4);  // the sheet's count is not applied
  }
  EXPECT_EQ(FromSheet(WithPointOneLines("X = 3e37")).Points[1].X, 3e38f);
}

}  // namespace
}  // namespace kurvex
