#include <gtest/gtest.h>

#include <cmath>
#include <utility>
#include <vector>

#include "geometry/cgl_geometry.h"
#include "geometry/point_along_span.h"
#include "geometry/surface_builder.h"
#include "geometry/surface_kind.h"
#include "geometry/texture_offsets.h"
#include "test_courses.h"
#include "geometry_test_util.h"

namespace kurvex {
using test::RingCourse;
using test::SetTrackCode;

namespace {

struct SpanList {
  RecordingDrawTarget gl;
  int32_t name = 0;
  std::vector<RecordedPrimitive> strips;
};

// Records span i of a kind the way the list owner does, with its texture offset.
SpanList BuildSpan(const Course& course, const PreparedCourse& prepared, int i, int kind) {
  SpanList out;
  out.name = RecordList(out.gl, [&] {
    BuildSurface(kind, i, course, prepared, SurfaceTexOffset(course, prepared, i), out.gl);
  });
  out.strips = out.gl.Primitives(out.name);
  EXPECT_TRUE(out.gl.errors().empty()) << out.gl.errors().front();
  return out;
}

TEST(SurfaceKinds, CodesMapToKindsAndTextures) {
  // The last code of each range, and the first beyond it.
  const int32_t last[] = {447, 9, 66, 450, 323, 131, 259, 195};
  const int kinds[] = {kNoTrackSurface, kRoadSurface, kHighWallSurface, kNoWallSurface,
                       kTunnelSurface,  kPipeSurface, kHalfPipeSurface, kCylinderSurface};
  for (int n = 0; n < 8; ++n) {
    EXPECT_EQ(SurfaceKindOf(last[n]), kinds[n]);
    EXPECT_EQ(SurfaceKindOf(last[n] + 1), n == 0 ? kNoWallSurface : kNoSurface) << last[n];
  }
  EXPECT_EQ(ExteriorKindOf(320), kTunnelExterior);
  EXPECT_EQ(ExteriorKindOf(129), kPipeExterior);
  EXPECT_EQ(ExteriorKindOf(132), kNoSurface);

  struct Case {
    int kind;
    int32_t code;
    TextureRef texture;
  } cases[] = {{kRoadSurface, 0, TextureRef::Track(3, 2)},
               {kRoadSurface, 1, TextureRef::None()},
               {kRoadSurface, 4, TextureRef::Track(3, 5)},
               {kRoadSurface, 9, TextureRef::Model(2)},
               {kHighWallSurface, 64, TextureRef::Track(3, 8)},
               {kHighWallSurface, 66, TextureRef::Model(2)},
               {kNoWallSurface, 448, TextureRef::Track(3, 9)},
               {kNoWallSurface, 450, TextureRef::Model(4)},
               {kTunnelSurface, 321, TextureRef::Model(7)},
               {kTunnelExterior, 321, TextureRef::Model(8)},
               {kPipeSurface, 131, TextureRef::Model(19)},
               {kPipeExterior, 131, TextureRef::Model(20)},
               {kHalfPipeSurface, 258, TextureRef::Model(27)},
               {kCylinderSurface, 193, TextureRef::Model(22)},
               {kNoTrackSurface, 447, TextureRef::None()}};
  for (const Case& c : cases) {
    EXPECT_EQ(SurfaceTexture(c.kind, c.code, 3), c.texture) << c.kind << " " << c.code;
  }
  EXPECT_EQ(SurfaceTexture(kRoadSurface, 2, 11), TextureRef::None());  // no such venue
  EXPECT_EQ(FinishTexture(3), TextureRef::Track(3, 1));
}

TEST(SurfaceKinds, TextureLengthFactorDependsOnVenueAndType) {
  Course course = RingCourse(4, 5000);
  EXPECT_EQ(TextureLengthFactor(course, 5), 9.63444714219553);
  EXPECT_EQ(TextureLengthFactor(course, 194), 19.26889428439106);
  course.Venue = 2;
  EXPECT_EQ(TextureLengthFactor(course, 5), 0.93272008293702);
  EXPECT_EQ(TextureLengthFactor(course, 448), 0.93272008293702);
  EXPECT_EQ(TextureLengthFactor(course, 6), 9.63444714219553);
}

TEST(RoadSurface, AllNormalCourseIsAnEightPointTubeWithItsTopOnTheEdges) {
  Course course = RingCourse(6, 8000);
  course.Venue = 7;
  const PreparedCourse prepared = Prepare(course);
  for (int i = 1; i <= 6; ++i) {
    const SpanList span = BuildSpan(course, prepared, i, kRoadSurface);
    // The list state comes before the strips; their front faces point into the body.
    const std::vector<DrawCall>& calls = span.gl.List(span.name);
    ASSERT_GE(calls.size(), 5u);
    std::vector<DrawOp> ops;
    for (int n = 0; n < 5; ++n) ops.push_back(calls[n].op);
    EXPECT_EQ(ops,
              (std::vector<DrawOp>{DrawOp::kTexturesEnable, DrawOp::kTextureSelect, DrawOp::kCull,
                                   DrawOp::kDrawColor, DrawOp::kDrawSubTriangleStrip}));
    EXPECT_EQ(calls[1].texture, TextureRef::Track(7, 3));
    EXPECT_EQ(calls[1].args[0], 0);
    EXPECT_EQ(calls[2].args[0], 1);
    const CurveSegment& left = prepared.LeftEdgeCurve.Span(i);
    const CurveSegment& mid = prepared.MidCurve.Span(i);
    const CurveSegment& right = prepared.RightEdgeCurve.Span(i);
    ASSERT_EQ(span.strips.size(), static_cast<size_t>(mid.Count() - 1));
    for (size_t k = 0; k < span.strips.size(); ++k) {
      const std::vector<RecordedVertex>& v = span.strips[k].vertices;
      ASSERT_EQ(v.size(), 18u);
      // Pairs P8, P1, P2, P3, ...: P1..P3 of the section after k lie on its edge samples.
      EXPECT_VEC_NEAR(v[3].position, left.Samples[k + 1], 1e-12);
      EXPECT_VEC_NEAR(v[5].position, mid.Samples[k + 1], 1e-12);
      EXPECT_VEC_NEAR(v[7].position, right.Samples[k + 1], 1e-12);
      EXPECT_VEC_NEAR(v[2].position, left.Samples[k], 1e-12);
      // The ring closes on P8.
      EXPECT_EQ(v[0].position, v[16].position);
      // Under the road: P6 hangs 0.08 below the middle of a level track.
      EXPECT_NEAR(v[13].position.y, mid.Samples[k + 1].y - 0.08, 1e-12);
      EXPECT_DOUBLE_EQ(v[4].s, 0.5 / 64);
    }
  }
}

TEST(RoadSurface, NoTrackSpanKeepsThePreviewsColour) {
  Course course = RingCourse(4, 5000);
  for (int i = 1; i <= 4; ++i) SetTrackCode(course, i, 447);
  const PreparedCourse prepared = Prepare(course);
  const SpanList span = BuildSpan(course, prepared, 1, kNoTrackSurface);
  EXPECT_TRUE(span.gl.CallsOf(span.name, DrawOp::kDrawColor).empty());
  EXPECT_EQ(span.strips.size(), static_cast<size_t>(prepared.MidCurve.Span(1).Count() - 1));
  EXPECT_EQ(span.strips[0].vertices.size(), 18u);
}

// v of the middle group on the first and the last section of a span's list.
double FirstMiddleV(const SpanList& span) { return span.strips.front().vertices[4].t; }
double LastMiddleV(const SpanList& span) { return span.strips.back().vertices[5].t; }

TEST(SurfaceTexture, VRunsOnAcrossEqualCodesAndRestartsWhereTheCodeChanges) {
  Course course = RingCourse(6, 8000);
  SetTrackCode(course, 4, 3);
  SetTrackCode(course, 5, 3);
  const PreparedCourse prepared = Prepare(course);
  std::vector<SpanList> spans(1);
  for (int i = 1; i <= 6; ++i) spans.push_back(BuildSpan(course, prepared, i, kRoadSurface));
  EXPECT_EQ(FirstMiddleV(spans[1]), 0);
  EXPECT_EQ(FirstMiddleV(spans[2]), LastMiddleV(spans[1]));
  EXPECT_EQ(FirstMiddleV(spans[3]), LastMiddleV(spans[2]));
  EXPECT_EQ(FirstMiddleV(spans[4]), 0);  // code 2 -> 3
  EXPECT_EQ(FirstMiddleV(spans[5]), LastMiddleV(spans[4]));
  EXPECT_EQ(FirstMiddleV(spans[6]), 0);  // code 3 -> 2
  // One texture repeat per 1/9.634 preview units along each curve: the outer (left) edge of
  // the bend gets more repeats than the inner one.
  EXPECT_NEAR(LastMiddleV(spans[1]), prepared.MidCurve.Span(1).Length * 9.63444714219553, 1e-9);
  const std::vector<RecordedVertex>& last = spans[1].strips.back().vertices;
  EXPECT_NEAR(last[3].t, prepared.LeftEdgeCurve.Span(1).Length * 9.63444714219553, 1e-9);
  EXPECT_GT(last[3].t, last[7].t);
}

TEST(SurfaceTexture, FinishStretchEndsOnTheFinishLine) {
  Course course = RingCourse(4, 5000);
  course.Venue = 5;
  SetTrackCode(course, 1, 0);
  SetTrackCode(course, 4, 0);
  const PreparedCourse prepared = Prepare(course);
  for (int i : {1, 4}) {  // 1: before code 2; 4: the last span, before code 0
    const SpanList span = BuildSpan(course, prepared, i, kRoadSurface);
    const std::vector<DrawCall> selects = span.gl.CallsOf(span.name, DrawOp::kTextureSelect);
    ASSERT_EQ(selects.size(), 2u) << i;
    EXPECT_EQ(selects[0].texture, TextureRef::Track(5, 2));
    EXPECT_EQ(selects[1].texture, TextureRef::Track(5, 1));
    // The finish texture covers the last texture length of the span, up to its last strip.
    EXPECT_EQ(span.strips.back().vertices[0].texture, TextureRef::Track(5, 1));
    int finish_strips = 0;
    for (const RecordedPrimitive& strip : span.strips) {
      finish_strips += strip.vertices[0].texture == TextureRef::Track(5, 1);
    }
    EXPECT_NEAR(finish_strips, 1 / 9.63444714219553 / 0.25 + 1, 1.01);
  }
  SetTrackCode(course, 2, 0);  // span 1 now runs on into another finish stretch
  const PreparedCourse again = Prepare(course);
  const SpanList span = BuildSpan(course, again, 1, kRoadSurface);
  EXPECT_EQ(span.gl.CallsOf(span.name, DrawOp::kTextureSelect).size(), 1u);
}

// A ring of 8 with a Pipe at point 3 (or a run of them), radius 10 units: spans ~7.6 long.
Course PipeCourse(std::initializer_list<int> pipes, int32_t code = 129) {
  Course course = RingCourse(8, 10000);
  for (int i : pipes) SetTrackCode(course, i, code);
  return course;
}

// Distance of the eight points of a strip's second section from their centroid, min and max.
std::pair<double, double> RingRadius(const RecordedPrimitive& strip) {
  Vec3 centre{};
  for (int n = 1; n <= 8; ++n) centre = centre + strip.vertices[2 * n + 1].position / 8;
  double lo = 1e9, hi = 0;
  for (int n = 1; n <= 8; ++n) {
    lo = std::min(lo, Distance(centre, strip.vertices[2 * n + 1].position));
    hi = std::max(hi, Distance(centre, strip.vertices[2 * n + 1].position));
  }
  return {lo, hi};
}

TEST(PipeSurface, CurlsInOverHalfAUnitIsACircleInTheMiddleAndUnrollsAtTheEnd) {
  const Course course = PipeCourse({3});
  const PreparedCourse prepared = Prepare(course, 0.1);
  const SpanList span = BuildSpan(course, prepared, 3, kPipeSurface);
  const CurveSegment& mid = prepared.MidCurve.Span(3);
  const double length = mid.Length;
  ASSERT_GT(length, 2);
  int in_start = 0, in_end = 0;
  for (int k = 0; k < mid.Count(); ++k) {
    in_start += mid.Cum[k] < 0.5;
    in_end += mid.Cum[k] > length - 0.5;
  }
  // Start zone: samples before 0.5 plus the boundary section, floor half only.
  size_t n = 0;
  for (; n < static_cast<size_t>(in_start); ++n) ASSERT_EQ(span.strips[n].vertices.size(), 10u);
  // It starts flat: P2 of the first section is the mid sample.
  EXPECT_VEC_NEAR(span.strips[0].vertices[4].position, mid.Samples[0], 1e-12);
  // The boundary section hangs the floor a half width below the middle.
  const Vec3 boundary = PointAlongSpan(mid, 0.5 / length, kFraction).point;
  const double hw = Distance(
      boundary, PointAlongSpan(prepared.RightEdgeCurve.Span(3), 0.5 / length, kFraction).point);
  EXPECT_NEAR(Distance(span.strips[n - 1].vertices[5].position, boundary), hw, 1e-9);
  // Middle: full rings of radius hw around the mid curve.
  size_t middle = 0;
  for (; n < span.strips.size() && span.strips[n].vertices.size() == 18; ++n, ++middle) {
    const std::pair<double, double> radius = RingRadius(span.strips[n]);
    EXPECT_NEAR(radius.first, 0.26, 2e-3);
    EXPECT_NEAR(radius.second, radius.first, 1e-6);
  }
  EXPECT_GT(middle, 10u);
  // End zone mirrors the start.
  EXPECT_EQ(span.strips.size() - n, static_cast<size_t>(in_end));
  for (; n < span.strips.size(); ++n) ASSERT_EQ(span.strips[n].vertices.size(), 10u);
  EXPECT_VEC_NEAR(span.strips.back().vertices[5].position, mid.Samples.back(), 1e-12);
  EXPECT_EQ(span.gl.CallsOf(span.name, DrawOp::kCull).size(), 2u);  // again for the middle

  // The exterior follows the floor in reverse in its zones: inside P8 P1 P2 P3 P4, outside
  // P8 P7 P6 P5 P4. At the zone boundary the road has morphed away entirely and P7, P6, P5
  // retrace P1, P2, P3.
  const SpanList outside = BuildSpan(course, prepared, 3, kPipeExterior);
  ASSERT_EQ(span.strips.size(), outside.strips.size());
  EXPECT_TRUE(outside.gl.CallsOf(outside.name, DrawOp::kDrawColor).empty());
  EXPECT_EQ(outside.gl.CallsOf(outside.name, DrawOp::kTextureSelect)[0].texture,
            TextureRef::Model(16));
  EXPECT_EQ(outside.gl.CallsOf(outside.name, DrawOp::kCull)[0].args[0], 2);  // faces outward
  const std::vector<RecordedVertex>& in = span.strips[in_start - 1].vertices;
  const std::vector<RecordedVertex>& out = outside.strips[in_start - 1].vertices;
  ASSERT_EQ(out.size(), 10u);
  for (int n = 0; n < 5; ++n) {
    EXPECT_VEC_NEAR(out[2 * n + 1].position, in[2 * n + 1].position, 1e-12);
  }
  // Before it, the outside still shows the road's underside.
  EXPECT_GT(Distance(outside.strips[0].vertices[2].position, span.strips[0].vertices[2].position),
            0.04);
}

TEST(PipeSurface, ConsecutivePipesRunThroughWithoutTransition) {
  const Course course = PipeCourse({3, 4});
  const PreparedCourse prepared = Prepare(course, 0.1);
  const SpanList first = BuildSpan(course, prepared, 3, kPipeSurface);
  const SpanList second = BuildSpan(course, prepared, 4, kPipeSurface);
  EXPECT_EQ(first.strips.back().vertices.size(), 18u);
  EXPECT_EQ(second.strips.front().vertices.size(), 18u);
  // The joint sections coincide.
  for (int n = 1; n <= 8; ++n) {
    EXPECT_VEC_NEAR(first.strips.back().vertices[2 * n + 1].position,
                    second.strips.front().vertices[2 * n].position, 1e-9);
  }
}

TEST(PipeSurface, ShortSpanMeetsInTheMiddleWithoutAMiddlePart) {
  Course course = PipeCourse({3});
  course.Points[3].X = course.Points[4].X + 300;
  course.Points[3].Z = course.Points[4].Z - 300;
  const PreparedCourse prepared = Prepare(course, 0.05);
  ASSERT_LT(prepared.MidCurve.Span(3).Length, 1.0);
  const SpanList span = BuildSpan(course, prepared, 3, kPipeSurface);
  for (const RecordedPrimitive& strip : span.strips) EXPECT_EQ(strip.vertices.size(), 10u);
  EXPECT_EQ(span.gl.CallsOf(span.name, DrawOp::kCull).size(), 1u);  // no middle part
}

TEST(TunnelSurface, ExteriorStartsAndEndsAtTheZoneBoundaries) {
  const Course course = PipeCourse({3}, 322);
  const PreparedCourse prepared = Prepare(course, 0.1);
  const SpanList inside = BuildSpan(course, prepared, 3, kTunnelSurface);
  const SpanList outside = BuildSpan(course, prepared, 3, kTunnelExterior);
  EXPECT_EQ(inside.gl.CallsOf(inside.name, DrawOp::kCull)[0].args[0], 1);
  EXPECT_EQ(outside.gl.CallsOf(outside.name, DrawOp::kCull)[0].args[0], 2);
  EXPECT_EQ(outside.gl.CallsOf(outside.name, DrawOp::kTextureSelect)[0].texture,
            TextureRef::Model(10));
  // The outside is the inside's middle part, with the same vertices.
  size_t first_full = 0;
  while (inside.strips[first_full].vertices.size() != 18 ||
         inside.strips[first_full].vertices[10].s != 15.5 / 64) {
    ++first_full;
  }
  ASSERT_LT(first_full + outside.strips.size(), inside.strips.size());
  for (size_t n = 0; n < outside.strips.size(); ++n) {
    const RecordedPrimitive& in = inside.strips[first_full + n];
    for (size_t v = 0; v < 18; ++v)
      ASSERT_EQ(outside.strips[n].vertices[v].position, in.vertices[v].position);
  }
  // Roof: P6 stands 0.2 above the middle.
  EXPECT_GT(RingRadius(outside.strips[3]).second, 0.2);
}

TEST(CylinderSurface, IsScaledEverywhereAndRepeatsTwiceAsOften) {
  const Course course = PipeCourse({3}, 192);
  const PreparedCourse prepared = Prepare(course, 0.1);
  const SpanList span = BuildSpan(course, prepared, 3, kCylinderSurface);
  // First section, road profile scaled: P4 (0.03, 0.01) becomes (0.03 hw, 0.01 hw).
  EXPECT_NEAR(Distance(span.strips[0].vertices[8].position, prepared.MidCurve.Span(3).Samples[0]),
              0.26 * std::hypot(0.03, 0.01), 1e-9);
  EXPECT_NEAR(LastMiddleV(span), prepared.MidCurve.Span(3).Length * 19.26889428439106, 1e-9);
}

}  // namespace
}  // namespace kurvex
