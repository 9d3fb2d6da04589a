#include "course/new_course.h"

#include "course/track_type.h"

namespace kurvex {

const char kProductCaption[] = "Kurvex: F-Zero X";

void ScrubFZXCourse(Course& course) {
  course.PointCount = 4;
  for (int i = 1; i <= kMaxPoints; ++i) {
    CtlPoint& p = course.Points[i];
    p.X = p.Y = p.Z = 0;
    p.LeftWidth = p.RightWidth = 0;
    p.TrackFlags = 0;
    course.Banking[i] = 0;
    for (auto* feature : {&course.PitArea, &course.DashPlate, &course.DartZone,
                          &course.SlipZone, &course.JumpPlate, &course.TrapField, &course.Gate,
                          &course.Structure, &course.Decoration}) {
      (*feature)[i] = kNone;
    }
  }
  struct Start {
    float x, z;
    int32_t code;
  };
  const Start kStart[4] = {{0, -5000, 0}, {5000, 0, 2}, {0, 5000, 3}, {-5000, 0, 2}};
  for (int i = 1; i <= 4; ++i) {
    CtlPoint& p = course.Points[i];
    p.X = kStart[i - 1].x;
    p.Z = kStart[i - 1].z;
    p.TrackCode = kStart[i - 1].code;
    p.LeftWidth = p.RightWidth = 260;
    p.TrackFlags = TrackFlagsForType(kNormal);
  }
  course.Gate[2] = 1;  // Lap Marker
  course.Name = "NEW TRACK";
  course.Description.clear();
  course.JDescription.clear();
  course.Source = std::string("Made with ") + kProductCaption;
  course.RomMusic = 255;
  course.EkMusic = 0;
  course.HorizonCount = 0;
}

Course NewCourse() {
  Course course;
  ScrubFZXCourse(course);
  return course;
}

}  // namespace kurvex
