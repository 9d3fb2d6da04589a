#include "editing/document_change.h"

#include <algorithm>

#include "course/course_compare.h"

namespace kurvex {

namespace {

bool SamePoint(const Course& a, const Course& b, int i) {
  const CtlPoint& p = a.Points[i];
  const CtlPoint& q = b.Points[i];
  return p.X == q.X && p.Y == q.Y && p.Z == q.Z && p.LeftWidth == q.LeftWidth &&
         p.RightWidth == q.RightWidth && p.TrackFlags == q.TrackFlags &&
         p.TrackCode == q.TrackCode && a.Banking[i] == b.Banking[i] &&
         a.PitArea[i] == b.PitArea[i] && a.DashPlate[i] == b.DashPlate[i] &&
         a.DartZone[i] == b.DartZone[i] && a.SlipZone[i] == b.SlipZone[i] &&
         a.JumpPlate[i] == b.JumpPlate[i] && a.TrapField[i] == b.TrapField[i] &&
         a.Gate[i] == b.Gate[i] && a.Structure[i] == b.Structure[i] &&
         a.Decoration[i] == b.Decoration[i];
}

bool SameCourseWideFields(const Course& a, const Course& b) {
  return a.HeaderByte == b.HeaderByte && a.Venue == b.Venue && a.Sky == b.Sky && a.Name == b.Name &&
         a.Description == b.Description && a.JDescription == b.JDescription &&
         a.HorizonCount == b.HorizonCount && a.HorizonImage == b.HorizonImage &&
         a.HorizonAngle == b.HorizonAngle && a.Source == b.Source && a.RomMusic == b.RomMusic &&
         a.EkMusic == b.EkMusic;
}

}  // namespace

DocumentChange DiffStates(const CourseState& before, const CourseState& after) {
  DocumentChange change;
  const Course& a = before.course;
  const Course& b = after.course;
  change.point_count = a.PointCount != b.PointCount;
  change.venue = a.Venue != b.Venue;
  change.course_wide = !SameCourseWideFields(a, b);
  const int last = std::min<int>(std::max(a.PointCount, b.PointCount), kMaxPoints);
  for (int i = 1; i <= last; ++i) change.points[i] = !SamePoint(a, b, i);
  change.course = change.point_count || change.course_wide || change.points.any() || a != b;
  change.selection = before.current_point != after.current_point;
  return change;
}

}  // namespace kurvex
