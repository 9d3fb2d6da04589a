#include "course/course_compare.h"

namespace kurvex {

bool operator==(const CtlPoint& a, const CtlPoint& b) {
  return a.X == b.X && a.Y == b.Y && a.Z == b.Z && a.LeftWidth == b.LeftWidth &&
         a.RightWidth == b.RightWidth && a.TrackFlags == b.TrackFlags &&
         a.TrackCode == b.TrackCode;
}

bool operator==(const Course& a, const Course& b) {
  return a.HeaderByte == b.HeaderByte && a.PointCount == b.PointCount && a.Venue == b.Venue &&
         a.Sky == b.Sky && a.Points == b.Points && a.Banking == b.Banking &&
         a.PitArea == b.PitArea && a.DashPlate == b.DashPlate && a.DartZone == b.DartZone &&
         a.SlipZone == b.SlipZone && a.JumpPlate == b.JumpPlate &&
         a.TrapField == b.TrapField && a.Gate == b.Gate && a.Structure == b.Structure &&
         a.Decoration == b.Decoration && a.Name == b.Name && a.Description == b.Description &&
         a.JDescription == b.JDescription && a.HorizonCount == b.HorizonCount &&
         a.HorizonImage == b.HorizonImage && a.HorizonAngle == b.HorizonAngle &&
         a.Source == b.Source && a.RomMusic == b.RomMusic && a.EkMusic == b.EkMusic &&
         a.RawRecord == b.RawRecord;
}

}  // namespace kurvex
