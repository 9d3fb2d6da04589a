#include "course/datasheet.h"

#include "course/display_names.h"
#include "course/game_text.h"
#include "course/number_text.h"
#include "course/rom_text.h"
#include "course/track_type.h"

namespace kurvex {

namespace {

const char kDegree[] = "\xB0";  // Windows-1252 degree sign

class SheetWriter {
 public:
  void Line(const std::string& line) { text_ += line + "\r\n"; }
  void Empty() { text_ += "\r\n"; }
  void Named(const char* key, int value, const std::string& name) {
    Line(std::string(key) + " = " + std::to_string(value) + " - " + name);
  }
  // Feature lines are left out for 255 (none).
  void Feature(const char* key, int value, const std::string& name) {
    if (value != kNone) Named(key, value, name);
  }
  // The text without the final two line breaks.
  std::string Finish() {
    if (text_.size() >= 4) text_.resize(text_.size() - 4);
    return text_;
  }

 private:
  std::string text_;
};

void WriteHeader(const Course& c, SheetWriter& w) {
  w.Line("Name = " + StrEnc(NormaliseName(c.Name)));
  w.Line("Description = " + StrEnc(NormaliseText(c.Description, 'E')));
  w.Line("JDescription = " + StrEnc(NormaliseText(c.JDescription, 'J')));
  w.Line("Source = " + c.Source);
  w.Empty();
  w.Named("Venue", c.Venue, VenueName(c.Venue));
  w.Named("Sky", c.Sky, SkyName(c.Sky));
  w.Named("ROM_Music", c.RomMusic, MusicName(c.RomMusic));
  w.Named("EK_Music", c.EkMusic, MusicName(c.EkMusic));
  w.Empty();
  w.Line("Horizon_Count = " + std::to_string(c.HorizonCount));
  w.Line("CTL_Point_Count = " + std::to_string(c.PointCount));
  w.Empty();
  w.Empty();
}

void WriteHorizons(const Course& c, SheetWriter& w) {
  for (int h = 1; h <= c.HorizonCount; ++h) {
    w.Line("Horizon " + std::to_string(h));
    w.Named("Image", c.HorizonImage[h], HorizonImageName(c.HorizonImage[h]));
    w.Line("Angle = " + FormatFixed(c.HorizonAngle[h], 3) + kDegree);
    w.Empty();
  }
  if (c.HorizonCount > 0) w.Empty();
}

void WritePoint(const Course& c, int i, SheetWriter& w) {
  const CtlPoint& p = c.Points[i];
  w.Line("CTL_Point " + std::to_string(i));
  w.Line("X = " + FormatFixed(p.X / 10.0f, 3));
  w.Line("Y = " + FormatFixed(p.Y / 10.0f, 3));
  w.Line("Z = " + FormatFixed(p.Z / 10.0f, 3));
  w.Line("LeftWidth = " + FormatFixed(p.LeftWidth / 10.0, 1));
  w.Line("RightWidth = " + FormatFixed(p.RightWidth / 10.0, 1));
  w.Line("Banking = " + std::to_string(c.Banking[i]) + kDegree);
  const int type = TrackTypeOfCode(p.TrackCode);
  w.Named("TrackType", type, TrackTypeName(type));
  if (type > kNoTrack) {
    const int texture = TextureOfCode(p.TrackCode);
    w.Named("Texture", texture, TextureName(type, texture));
  }
  w.Feature("PitArea", c.PitArea[i], ZoneSideName(c.PitArea[i]));
  w.Feature("DartZone", c.DartZone[i], ZoneSideName(c.DartZone[i]));
  w.Feature("SlipZone", c.SlipZone[i], ZoneSideName(c.SlipZone[i]));
  w.Feature("DashPlate", c.DashPlate[i], PlatePositionName(type, c.DashPlate[i]));
  w.Feature("JumpPlate", c.JumpPlate[i], JumpPlateName(c.JumpPlate[i]));
  w.Feature("TrapField", c.TrapField[i], TrapFieldName(c.TrapField[i]));
  w.Feature("Gate", c.Gate[i], GateName(c.Gate[i]));
  w.Feature("Decoration", c.Decoration[i], DecorationName(c.Decoration[i]));
  w.Feature("Structure", c.Structure[i], StructureName(c.Structure[i]));
  w.Empty();
}

}  // namespace

std::string GenDatasheet(const Course& course) {
  SheetWriter w;
  WriteHeader(course, w);
  WriteHorizons(course, w);
  for (int i = 1; i <= course.PointCount && i <= kMaxPoints; ++i) WritePoint(course, i, w);
  return w.Finish();
}

}  // namespace kurvex
