#include "geometry/surface_builder.h"

#include <algorithm>
#include <vector>

#include "geometry/profiles.h"
#include "geometry/surface_kind.h"

namespace kurvex {

namespace {

// Points joined between two sections: the closed ring, and the floor half of a pipe in its
// transition zones (inside, and the same half reversed for the outside).
constexpr int kRing[] = {7, 0, 1, 2, 3, 4, 5, 6, 7};
constexpr int kFloorHalf[] = {7, 0, 1, 2, 3};
constexpr int kFloorHalfReversed[] = {7, 6, 5, 4, 3};

struct Joins {
  const int* points;
  int count;
};

Joins RingJoins() { return {kRing, 9}; }

Joins ZoneJoins(int kind) {
  if (kind == kPipeSurface) return {kFloorHalf, 5};
  if (kind == kPipeExterior) return {kFloorHalfReversed, 5};
  return RingJoins();
}

// One run of sections drawn with one shape: the type profile B morphed from the road profile
// by each section's factor f, placed in one way, joined in one way.
class SurfacePart {
 public:
  SurfacePart(const Profile& shape, Placement placement, double vertical_offset, Joins joins,
              DrawTarget& gl)
      : road_(RoadProfile()),
        shape_(shape),
        placement_(placement),
        vertical_offset_(vertical_offset),
        joins_(joins),
        gl_(gl) {}

  void Add(const CrossSection& section, double f) {
    Placed current;
    for (int j = 0; j < kProfilePoints; ++j) {
      double x = shape_.x[j], y = shape_.y[j];
      if (f != 1) {
        x = road_.x[j] + (shape_.x[j] - road_.x[j]) * f;
        y = road_.y[j] + (shape_.y[j] - road_.y[j]) * f;
      }
      current.points[j] = section.frame.Apply(
          PlaceProfilePoint(placement_, j, x, y, section.half_width, vertical_offset_));
    }
    current.v = section.v;
    if (has_previous_) Strip(previous_, current);
    previous_ = current;
    has_previous_ = true;
  }

 private:
  struct Placed {
    std::array<Vec3, kProfilePoints> points;
    std::array<double, 3> v;
  };

  void Strip(const Placed& a, const Placed& b) {
    gl_.DrawSubTriangleStrip();
    for (int n = 0; n < joins_.count; ++n) {
      const int j = joins_.points[n];
      const double u = shape_.u[j];
      const int group = kPointGroups[j];
      gl_.TexturePoint(u, a.v[group]);
      gl_.Vertex(a.points[j].x, a.points[j].y, a.points[j].z);
      gl_.TexturePoint(u, b.v[group]);
      gl_.Vertex(b.points[j].x, b.points[j].y, b.points[j].z);
    }
    gl_.EndSub();
  }

  const Profile road_;
  const Profile shape_;
  const Placement placement_;
  const double vertical_offset_;
  const Joins joins_;
  DrawTarget& gl_;
  Placed previous_;
  bool has_previous_ = false;
};

// The faces to cull so that a kind shows the side one looks at. The strips give their front
// (counter-clockwise) side to the inside of the road bodies and the cylinder, and to the outside
// of the tunnel and pipe rings: road, walls and cylinder show their outside by culling front
// faces, the tunnel and pipe interiors their inside likewise, the two exteriors their outside by
// culling back faces. The half pipe joins both faces of its floor.
int16_t CulledFaces(int kind) {
  switch (kind) {
    case kTunnelExterior:
    case kPipeExterior:
    case kHalfPipeSurface:
      return 2;
    default:
      return 1;
  }
}

void RecordListState(int kind, const TextureRef& texture, DrawTarget& gl) {
  gl.TexturesEnable();
  gl.TextureSelect(texture, 0);
  gl.Cull(CulledFaces(kind));
  // No Track and the exteriors keep the colour the preview sets before calling them.
  if (kind != kNoTrackSurface && kind != kTunnelExterior && kind != kPipeExterior) {
    gl.DrawColor(255, 255, 255, 255);
  }
}

}  // namespace

Transitions TransitionsOf(const Course& course, int i) {
  const int32_t code = course.Points[i].TrackCode;
  const int32_t next_code = course.Points[NextPoint(course, i)].TrackCode;
  Transitions t;
  t.start = !SameTrackType(course.Points[PreviousPoint(course, i)].TrackCode, code);
  t.finish_line = code == 0 && (next_code != 0 || i == course.PointCount);
  t.end = !SameTrackType(code, next_code) || t.finish_line;
  return t;
}

void BuildSurface(int kind, int i, const Course& course, const PreparedCourse& prepared,
                  const TexOffset& offset, DrawTarget& gl) {
  const int32_t code = course.Points[i].TrackCode;
  RecordListState(kind, SurfaceTexture(kind, code, course.Venue), gl);

  const SpanCurves span(prepared, i);
  const Transitions zones = TransitionsOf(course, i);
  const double factor = TextureLengthFactor(course, code);
  const double length = span.mid.Length;
  const double transition = TransitionDistance(kind);
  const double ds = std::min(transition, length / 2);
  const double e = std::max(length - transition, length / 2);
  const double fraction_ds = length > 0 ? ds / length : 0;
  const double fraction_e = length > 0 ? e / length : 0;
  const int count = span.mid.Count();
  const std::vector<double>& cum = span.mid.Cum;
  // The tunnel's outside has no zones of its own: it only starts and ends at their boundaries.
  const bool exterior_only = kind == kTunnelExterior;
  const Placement zone_placement = kind == kCylinderSurface ? kScaledPlacement : kEdgeRelative;

  const CrossSection start_boundary = FractionSection(span, fraction_ds, factor, offset);
  const CrossSection end_boundary = FractionSection(span, fraction_e, factor, offset);

  if (zones.start && !exterior_only) {
    SurfacePart part(EntryProfile(kind, start_boundary.half_width), zone_placement, 0,
                     ZoneJoins(kind), gl);
    for (int k = 0; k < count && cum[k] < ds; ++k) {
      part.Add(SampleSection(span, k, factor, offset), cum[k] / ds);
    }
    part.Add(start_boundary, 1);
  }

  if (!(zones.start && zones.end && ds >= e)) {
    if (kind == kPipeSurface) gl.Cull(CulledFaces(kind));
    SurfacePart part(FullProfile(kind), OwnPlacement(kind), VerticalOffset(kind), RingJoins(), gl);
    if (zones.start) part.Add(start_boundary, 1);
    for (int k = 0; k < count; ++k) {
      if (zones.start && !(cum[k] > ds)) continue;
      if (zones.end && !(cum[k] < e)) break;
      part.Add(SampleSection(span, k, factor, offset), 1);
    }
    if (zones.end) part.Add(end_boundary, 1);
  }

  if (zones.end && !exterior_only) {
    if (zones.finish_line && kind == kRoadSurface) {
      gl.TextureSelect(FinishTexture(course.Venue), 0);
    }
    SurfacePart part(EntryProfile(kind, end_boundary.half_width), zone_placement, 0,
                     ZoneJoins(kind), gl);
    part.Add(end_boundary, 1);
    const double zone_length = length - e;
    for (int k = 0; k < count; ++k) {
      if (!(cum[k] > e)) continue;
      part.Add(SampleSection(span, k, factor, offset),
               zone_length > 0 ? 1 - (cum[k] - e) / zone_length : 0);
    }
  }
}

}  // namespace kurvex
