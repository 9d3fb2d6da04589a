#include "test_courses.h"

#include <cmath>

#include "course/new_course.h"
#include "course/track_type.h"

namespace kurvex::test {

Course RingCourse(int n, float radius, int32_t width) {
  Course course = NewCourse();
  course.Gate[2] = kNone;
  course.PointCount = static_cast<uint8_t>(n);
  for (int i = 1; i <= n; ++i) {
    const double angle = 2 * M_PI * (i - 1) / n;
    CtlPoint& point = course.Points[i];
    // Whole stored units, so that the quarter points lie exactly on the axes.
    point.X = static_cast<float>(std::round(radius * std::cos(angle))) + 0.0f;
    point.Z = static_cast<float>(std::round(radius * std::sin(angle))) + 0.0f;
    point.LeftWidth = point.RightWidth = width;
    SetTrackCode(course, i, 2);
  }
  return course;
}

Course SeededRingCourse(int n, int seed) {
  Course c = RingCourse(n, 20000.0f + 500.0f * seed);
  c.HeaderByte = static_cast<uint8_t>(seed);
  c.Name.clear();
  c.Source.clear();
  c.RomMusic = 0;
  c.Venue = static_cast<uint8_t>(seed % 11);
  c.Sky = static_cast<uint8_t>(seed % 8);
  for (int i = 1; i <= n; ++i) {
    CtlPoint& p = c.Points[i];
    p.Y = static_cast<float>(100 * (i % 3) + seed);
    p.LeftWidth = 200 + 10 * i;
    p.RightWidth = 300 + 5 * i;
    p.TrackCode = TrackCodeFor(kNormal, (seed + i) % 16);
    c.Banking[i] = (7 * i + seed) % 360;
  }
  c.PitArea[1] = 0;
  c.DashPlate[2] = 1;
  c.JumpPlate[2] = 0;
  c.DartZone[3] = 2;
  c.TrapField[3] = 2;
  c.SlipZone[4] = 3;
  c.Gate[1] = 1;
  c.Structure[4] = static_cast<uint8_t>(seed % 15);
  c.Decoration[1] = static_cast<uint8_t>(seed % 5);
  return c;
}

Course FullFeatureCourse() {
  Course course = RingCourse(64, 12000);
  course.Venue = 2;
  // Runs of each type, always joined through Normal points.
  const int32_t codes[64] = {0,   2,  128, 129, 2,   320, 321, 3,   256, 257, 4, 192, 193,
                             5,   64, 65,  6,   448, 449, 7,   447, 447, 8,   9, 2,   130,
                             131, 0,  322, 323, 2,   258, 259, 3,   194, 195, 4, 66,  5,
                             450, 6,  2,   128, 3,   320, 4,   256, 5,   192, 6, 64,  7,
                             448, 8,  447, 9,   2,   129, 3,   321, 4,   257, 5, 0};
  for (int i = 1; i <= 64; ++i) {
    CtlPoint& point = course.Points[i];
    point.Y = static_cast<float>(1500 + 1200 * std::sin(i * 0.4));
    point.LeftWidth = 150 + (i * 37) % 300;
    point.RightWidth = 150 + (i * 53) % 300;
    course.Banking[i] = ((i * 23) % 61 + 330) % 360;  // -30..30 degrees
    SetTrackCode(course, i, codes[i - 1]);
    course.PitArea[i] = static_cast<uint8_t>(i % 5 == 0 ? 0 : (i % 7 == 0 ? 1 : kNone));
    course.DartZone[i] = static_cast<uint8_t>(i % 6 == 0 ? 2 : (i % 11 == 0 ? 0 : kNone));
    course.SlipZone[i] = static_cast<uint8_t>(i % 4 == 0 ? 3 : kNone);
    course.DashPlate[i] = static_cast<uint8_t>(i % 3 == 0 ? i % 9 / 3 : kNone);
    course.JumpPlate[i] = static_cast<uint8_t>(i % 4 == 1 ? i % 3 : kNone);
    course.TrapField[i] = static_cast<uint8_t>(i % 4 == 2 ? i % 3 : kNone);
    course.Gate[i] = static_cast<uint8_t>(i % 8 == 2 ? i % 3 : kNone);
    course.Decoration[i] = static_cast<uint8_t>(i % 3 == 1 ? i % 5 : kNone);
    course.Structure[i] = static_cast<uint8_t>(i % 2 == 0 ? i % 15 : kNone);
  }
  return course;
}

void SetTrackCode(Course& course, int i, int32_t track_code) {
  course.Points[i].TrackCode = track_code;
  course.Points[i].TrackFlags = TrackFlagsForType(TrackTypeOfCode(track_code));
}

void SetType(Course& course, int i, int type) {
  course.Points[i].TrackCode = TrackCodeFor(type, 0);
  course.Points[i].TrackFlags = TrackFlagsForType(type);
}

void RoundCoordinates(Course& course, float unit) {
  for (int i = 1; i <= course.PointCount; ++i) {
    CtlPoint& p = course.Points[i];
    // + 0 so that no coordinate is a negative zero.
    for (float* v : {&p.X, &p.Y, &p.Z}) *v = std::round(*v / unit) * unit + 0.0f;
  }
}

}  // namespace kurvex::test
