#pragma once
// The geometry derived from a course's CTL points: the centre line, the two track edges and the
// line midway between them as sampled curves with matching cross-sections, the span and course
// lengths, the chords between points and a placement frame at every point. Everything the
// track builders, the preview and the editor windows read about the course's shape.

#include <cstdint>

#include "course/course.h"
#include "geometry/spline.h"
#include "geometry/vec3.h"

namespace kurvex {

constexpr double kDefaultSegmentDistance = 0.25;
constexpr double kMinSegmentDistance = 0.01;

struct PointFrame {
  double Yaw = 0;        // degrees
  double Pitch = 0;      // degrees
  double Roll = 0;       // degrees
  double HalfWidth = 0;  // preview units, at least 0.1
  double Heading = 0;    // degrees, direction of travel at the point
};

struct PreparedCourse {
  SplineCurve CentreCurve;
  SplineCurve RightEdgeCurve;
  SplineCurve LeftEdgeCurve;
  SplineCurve MidCurve;  // only PointCount and Segments are used
  // Edge control points, preview units, entries 1..PointCount.
  PointArray<Vec3> RightEdgePoints{};
  PointArray<Vec3> LeftEdgePoints{};
  PointArray<double> SegmentLength{};  // preview units
  double CourseLength = 0;             // preview units
  PointArray<double> ChordLength{};    // course units
  PointArray<PointFrame> PointFrames{};
  double SegmentDistance = kDefaultSegmentDistance;  // the spacing the curves were built with

  int PointCount() const { return CentreCurve.PointCount; }
};

// Rebuilds every field of `prepared` from the course, reusing its storage. The segment distance
// is the target spacing of the centre samples (preview units); values below 0.01, and NaN, are
// taken as 0.01. Returns kGeometryOk, or kGeometryBadPointCount for a course without 4..64
// points (prepared is then left empty).
int16_t PrepareCourse(const Course& course, double segment_distance, PreparedCourse& prepared);

// The steps of PrepareCourse, for callers that rebuild only part of it.
void ComputeEdgePoints(const Course& course, PreparedCourse& prepared);
void BlendEdgeWidths(const Course& course, PreparedCourse& prepared);
void ComputePointFrame(const Course& course, int i, PreparedCourse& prepared);
void MeasureCourse(const Course& course, PreparedCourse& prepared);

// True when `prepared` holds the curves of a course with this point count.
bool IsPreparedFor(const PreparedCourse& prepared, const Course& course);

}  // namespace kurvex
