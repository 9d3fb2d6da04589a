#include <cmath>

#include "geometry/cgl_geometry.h"
#include "geometry/geometry_result.h"
#include "geometry/prepared_course.h"

namespace kurvex {

namespace {

constexpr int kBezierSteps = 50;

Vec3 CoursePosition(const CtlPoint& point) {
  return {static_cast<double>(point.X), static_cast<double>(point.Y), static_cast<double>(point.Z)};
}

// The unit lateral vector of point i, course axes, pointing to the right edge.
Vec3 LateralVector(const Course& course, int i) {
  const Vec3 p = CoursePosition(course.Points[i]);
  const Vec3 pv = CoursePosition(course.Points[PreviousPoint(course, i)]);
  const Vec3 nx = CoursePosition(course.Points[NextPoint(course, i)]);
  const double banking = DegToRad(course.Banking[i]);
  Vec3 u;
  if (nx.x == pv.x && nx.z == pv.z && std::fabs(nx.y - p.y) == std::fabs(p.y - pv.y)) {
    // The point lies straight above or below its neighbours' common x-z position: the banking
    // alone turns the lateral vector. With the successor level with the point there is no
    // vertical sense either; the vector then starts from +z, the right side of travel along +x,
    // as it does when the successor lies below.
    const double sense = nx.y > p.y ? 1.0 : -1.0;
    u = {0, 0, -1000 * sense};
    Rotate2D(u.x, u.z, -banking);
    return u;
  }
  Vec3 t = ((nx - p) + (p - pv)) / 2;
  const double yaw = AngleOf(t.x, t.z);
  Rotate2D(t.x, t.z, -yaw);
  const double pitch = AngleOf(t.x, t.y);
  u = {0, 0, 1};
  Rotate2D(u.y, u.z, banking);
  Rotate2D(u.x, u.y, pitch);
  Rotate2D(u.x, u.z, yaw);
  return u;
}

// Moves an edge sample to distance `width` from the centre sample, keeping the side it lies
// on. An edge sample on the centre sample has no side of its own: it takes the direction away
// from the opposite edge, else the direction its predecessor was given, else stays put.
void PlaceEdgeSample(const Vec3& centre, const Vec3& opposite, const Vec3& previous_offset,
                     double width, Vec3& edge) {
  Vec3 d = edge - centre;
  if (!SetLength(d, width)) {
    d = centre - opposite;
    if (!SetLength(d, width)) {
      d = previous_offset;
      if (!SetLength(d, width)) d = {};
    }
  }
  edge = centre + d;
}

void BuildEdgeCurve(const PointArray<Vec3>& edge_points, int n, SplineCurve& centre,
                    SplineCurve& edge) {
  SetSplineParams(edge, kBezierSteps, SplineCurve::kByCount, 0);
  BuildSpline(&edge_points[1], n, edge);
  for (int i = 1; i <= n; ++i) {
    MeasureSegment(edge, i);
    edge.Param = centre.Span(i).Count() - 1;  // the centre span's interval count
    ResampleSegment(edge, i);
  }
}

void BuildMidCurve(PreparedCourse& prepared, int n) {
  SplineCurve& mid = prepared.MidCurve;
  mid.PointCount = n;
  mid.Segments.resize(static_cast<size_t>(n));
  for (int i = 1; i <= n; ++i) {
    const std::vector<Vec3>& left = prepared.LeftEdgeCurve.Span(i).Samples;
    const std::vector<Vec3>& right = prepared.RightEdgeCurve.Span(i).Samples;
    std::vector<Vec3>& samples = mid.Span(i).Samples;
    samples.resize(prepared.CentreCurve.Span(i).Samples.size());
    for (size_t k = 0; k < samples.size(); ++k) samples[k] = (left[k] + right[k]) / 2;
  }
}

void ClearPrepared(PreparedCourse& prepared) {
  for (SplineCurve* curve : {&prepared.CentreCurve, &prepared.RightEdgeCurve,
                             &prepared.LeftEdgeCurve, &prepared.MidCurve}) {
    curve->PointCount = 0;
    curve->Segments.clear();
    curve->Dense.clear();
  }
  prepared.CourseLength = 0;
}

}  // namespace

void ComputeEdgePoints(const Course& course, PreparedCourse& prepared) {
  for (int i = 1; i <= course.PointCount; ++i) {
    const Vec3 p = CoursePosition(course.Points[i]);
    const Vec3 u = LateralVector(course, i);
    Vec3 right = u;
    Vec3 left = u;
    SetLength(right, course.Points[i].RightWidth);
    SetLength(left, course.Points[i].LeftWidth);
    prepared.RightEdgePoints[i] = (p + right) / 1000;
    prepared.LeftEdgePoints[i] = (p - left) / 1000;
  }
}

void BlendEdgeWidths(const Course& course, PreparedCourse& prepared) {
  for (int i = 1; i <= course.PointCount; ++i) {
    const int j = NextPoint(course, i);
    const double wr0 = course.Points[i].RightWidth / 1000.0;
    const double wr1 = course.Points[j].RightWidth / 1000.0;
    const double wl0 = course.Points[i].LeftWidth / 1000.0;
    const double wl1 = course.Points[j].LeftWidth / 1000.0;
    const std::vector<Vec3>& centre = prepared.CentreCurve.Span(i).Samples;
    std::vector<Vec3>& right = prepared.RightEdgeCurve.Span(i).Samples;
    std::vector<Vec3>& left = prepared.LeftEdgeCurve.Span(i).Samples;
    const int n = static_cast<int>(centre.size()) - 1;
    for (int k = 1; k < n; ++k) {
      const double f = static_cast<double>(k) / n;
      const Vec3& c = centre[k];
      PlaceEdgeSample(c, left[k], right[k - 1] - centre[k - 1], wr0 + (wr1 - wr0) * f, right[k]);
      PlaceEdgeSample(c, right[k], left[k - 1] - centre[k - 1], wl0 + (wl1 - wl0) * f, left[k]);
    }
  }
}

void ComputePointFrame(const Course& course, int i, PreparedCourse& prepared) {
  PointFrame& frame = prepared.PointFrames[i];
  const std::vector<Vec3>& mid = prepared.MidCurve.Span(i).Samples;
  const FrameAngles angles =
      FrameAnglesOf(mid[0], prepared.RightEdgeCurve.Span(i).Samples[0], mid[1]);
  frame.Yaw = RadToDeg(-angles.a1);
  frame.Pitch = RadToDeg(-angles.a2);
  frame.Roll = RadToDeg(angles.a3);

  const int prev = PreviousPoint(course, i);
  const int next = NextPoint(course, i);
  const CtlPoint& pp = course.Points[prev];
  const CtlPoint& pn = course.Points[next];
  if (pp.X == pn.X && pp.Y == pn.Y && pp.Z == pn.Z) {
    frame.Heading = static_cast<double>(course.Banking[i]) - 90;
  } else {
    const Vec3 c = prepared.CentreCurve.Span(i).Samples[0];
    const Vec3 a = c - prepared.CentreCurve.Span(prev).Samples[0];
    const Vec3 b = prepared.CentreCurve.Span(next).Samples[0] - c;
    const Vec3 g = (a + b) / 2;
    frame.Heading = RadToDeg(-(AngleOf(g.x, g.z) + kPi / 2));
  }
  const double half_width =
      (static_cast<double>(course.Points[i].LeftWidth) + course.Points[i].RightWidth) / 2000;
  frame.HalfWidth = half_width < 0.1 ? 0.1 : half_width;
}

void MeasureCourse(const Course& course, PreparedCourse& prepared) {
  prepared.CourseLength = 0;
  for (int i = 1; i <= course.PointCount; ++i) {
    prepared.SegmentLength[i] =
        (prepared.MidCurve.Span(i).Length + prepared.CentreCurve.Span(i).Length) / 2;
    prepared.CourseLength += prepared.SegmentLength[i];
    prepared.ChordLength[i] = Distance(CoursePosition(course.Points[i]),
                                       CoursePosition(course.Points[NextPoint(course, i)]));
  }
}

bool IsPreparedFor(const PreparedCourse& prepared, const Course& course) {
  const size_t n = course.PointCount;
  return n >= static_cast<size_t>(kMinPoints) && n <= static_cast<size_t>(kMaxPoints) &&
         prepared.CentreCurve.PointCount == course.PointCount &&
         prepared.CentreCurve.Segments.size() == n &&
         prepared.RightEdgeCurve.Segments.size() == n &&
         prepared.LeftEdgeCurve.Segments.size() == n && prepared.MidCurve.Segments.size() == n;
}

int16_t PrepareCourse(const Course& course, double segment_distance, PreparedCourse& prepared) {
  const int n = course.PointCount;
  if (n < kMinPoints || n > kMaxPoints) {
    ClearPrepared(prepared);
    return kGeometryBadPointCount;
  }
  if (!(segment_distance >= kMinSegmentDistance)) segment_distance = kMinSegmentDistance;
  prepared.SegmentDistance = segment_distance;

  PointArray<Vec3> centre_points{};
  for (int i = 1; i <= n; ++i) centre_points[i] = CoursePosition(course.Points[i]) / 1000;
  SplineCurve& centre = prepared.CentreCurve;
  SetSplineParams(centre, kBezierSteps, SplineCurve::kByDistance, segment_distance);
  BuildSpline(&centre_points[1], n, centre);
  for (int i = 1; i <= n; ++i) {
    MeasureSegment(centre, i);
    ResampleSegment(centre, i);
  }

  ComputeEdgePoints(course, prepared);
  BuildEdgeCurve(prepared.RightEdgePoints, n, centre, prepared.RightEdgeCurve);
  BuildEdgeCurve(prepared.LeftEdgePoints, n, centre, prepared.LeftEdgeCurve);
  BlendEdgeWidths(course, prepared);
  BuildMidCurve(prepared, n);
  for (int i = 1; i <= n; ++i) {
    RemeasureSegment(centre.Span(i));
    RemeasureSegment(prepared.RightEdgeCurve.Span(i));
    RemeasureSegment(prepared.LeftEdgeCurve.Span(i));
    RemeasureSegment(prepared.MidCurve.Span(i));
  }
  for (int i = 1; i <= n; ++i) ComputePointFrame(course, i, prepared);
  MeasureCourse(course, prepared);
  return kGeometryOk;
}

}  // namespace kurvex
