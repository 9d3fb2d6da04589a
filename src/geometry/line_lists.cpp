#include "geometry/line_lists.h"

namespace kurvex {

namespace {

// Every sample of every span in order; the joints shared by two spans come twice.
void CurveLoop(const SplineCurve& curve, DrawTarget& gl) {
  gl.DrawSubLineLoop(1.0f);
  for (const CurveSegment& span : curve.Segments) {
    for (const Vec3& s : span.Samples) gl.Vertex(s.x, s.y, s.z);
  }
  gl.EndSub();
}

}  // namespace

void RecordLineList(int n, const Course& course, const PreparedCourse& prepared, DrawTarget& gl) {
  switch (n) {
    case kGameDataSpline:
      CurveLoop(prepared.CentreCurve, gl);
      break;
    case kLeftSideSpline:
      CurveLoop(prepared.LeftEdgeCurve, gl);
      break;
    case kRightSideSpline:
      CurveLoop(prepared.RightEdgeCurve, gl);
      break;
    case kCenterSpline:
      CurveLoop(prepared.MidCurve, gl);
      break;
    case kSegmentLines:
      gl.DrawSubLines(1.0f);
      for (int i = 1; i <= course.PointCount; ++i) {
        const Vec3& r = prepared.RightEdgePoints[i];
        const Vec3& l = prepared.LeftEdgePoints[i];
        gl.Vertex(r.x, r.y, r.z);
        gl.Vertex(l.x, l.y, l.z);
      }
      gl.EndSub();
      break;
    case kCtlPointDots:
      gl.DrawSubPoints(3.0f);
      for (int i = 1; i <= course.PointCount; ++i) {
        const CtlPoint& p = course.Points[i];
        gl.Vertex(p.X / 1000.0, p.Y / 1000.0, p.Z / 1000.0);
      }
      gl.EndSub();
      break;
    default:
      break;
  }
}

}  // namespace kurvex
