#include <gtest/gtest.h>

#include <vector>

#include "geometry/cgl_geometry.h"
#include "geometry/texture_offsets.h"
#include "geometry/zone_builder.h"
#include "test_courses.h"
#include "geometry_test_util.h"

namespace kurvex {
using test::RingCourse;

namespace {

TEST(ZoneSlots, EarlierKindsKeepTheirSlotsAndSwitchesDoNotHandThemOn) {
  Course course = RingCourse(4, 5000);
  course.PitArea[1] = 0;
  course.DartZone[1] = 1;
  course.SlipZone[1] = 3;
  const FeatureSwitches all;
  EXPECT_EQ(AssignZoneSlots(course, 1, all), (ZoneSlots{kPitZone, kPitZone, kSlipZone}));

  FeatureSwitches no_pits;
  no_pits.pit_areas = false;
  EXPECT_EQ(AssignZoneSlots(course, 1, no_pits), (ZoneSlots{kNoZone, kNoZone, kSlipZone}));

  course.PitArea[2] = 2;
  course.DartZone[2] = 0;
  course.SlipZone[2] = 4;  // "(Invalid)" draws nothing
  EXPECT_EQ(AssignZoneSlots(course, 2, all), (ZoneSlots{kDartZone, kPitZone, kNoZone}));
  EXPECT_EQ(AssignZoneSlots(course, 3, all), (ZoneSlots{kNoZone, kNoZone, kNoZone}));
}

// Records the zones of span i with every switch on; returns its strips.
std::vector<RecordedPrimitive> ZoneStrips(const Course& course, const PreparedCourse& prepared,
                                          int i, std::vector<DrawCall>* calls = nullptr) {
  RecordingDrawTarget gl;
  const int32_t name = RecordList(gl, [&] {
    BuildZones(i, course, prepared, FeatureSwitches(), ZoneTexOffset(prepared, i), gl);
  });
  EXPECT_TRUE(gl.errors().empty());
  if (calls != nullptr) *calls = gl.List(name);
  return gl.Primitives(name);
}

TEST(ZoneStrips, CentreLaneSpansTheSpanAndTextureRunsOnAroundTheCourse) {
  Course course = RingCourse(5, 6000);
  course.DartZone[1] = 1;
  course.DartZone[3] = 2;
  course.SlipZone[4] = 3;
  const PreparedCourse prepared = Prepare(course);
  std::vector<DrawCall> calls;
  const std::vector<RecordedPrimitive> strips = ZoneStrips(course, prepared, 4, &calls);
  EXPECT_EQ(calls[0].op, DrawOp::kTexturesEnable);
  EXPECT_EQ(calls[1].op, DrawOp::kDrawColor);
  const CurveSegment& mid = prepared.MidCurve.Span(4);
  const CurveSegment& right = prepared.RightEdgeCurve.Span(4);
  ASSERT_EQ(strips.size(), static_cast<size_t>(mid.Count() - 1));
  for (size_t k = 0; k < strips.size(); ++k) {
    const std::vector<RecordedVertex>& v = strips[k].vertices;
    ASSERT_EQ(v.size(), 4u);
    const Vec3& ahead = mid.Samples[k + 1];
    EXPECT_EQ(v[0].position,
              LocalToWorld(mid.Samples[k], right.Samples[k], ahead, {-0.1, 0.015, 0}));
    EXPECT_EQ(v[2].position,
              LocalToWorld(mid.Samples[k], right.Samples[k], ahead, {0.1, 0.015, 0}));
    EXPECT_NEAR(v[0].s, 0.2 * kZoneTextureFactor, 1e-12);
    EXPECT_EQ(v[2].s, 0);
    EXPECT_EQ(v[0].texture, TextureRef::Zone(kSlipZone));
  }
  // v starts at 0 on span 1 and runs on through span 2, which has no zones.
  EXPECT_TRUE(ZoneStrips(course, prepared, 2).empty());
  EXPECT_EQ(ZoneStrips(course, prepared, 1).front().vertices[0].t, 0);
  EXPECT_NEAR(
      ZoneStrips(course, prepared, 3).front().vertices[0].t,
      (prepared.MidCurve.Span(1).Length + prepared.MidCurve.Span(2).Length) * kZoneTextureFactor,
      1e-9);
}

TEST(ZoneStrips, SideLanesFollowTheHalfWidthAndNarrowTheirTexture) {
  Course course = RingCourse(5, 6000, 60);  // half width 0.06: narrower than the centre lane
  course.PitArea[1] = 0;
  const PreparedCourse prepared = Prepare(course);
  const std::vector<RecordedPrimitive> strips = ZoneStrips(course, prepared, 1);
  ASSERT_EQ(strips.size(), 2u * (prepared.MidCurve.Span(1).Count() - 1));
  EXPECT_NEAR(strips[0].vertices[0].s, (0.06 - 0.105) * kZoneTextureFactor * 2 / 3, 1e-9);
  EXPECT_EQ(strips[1].vertices[0].texture, TextureRef::Zone(kPitZone));
}

}  // namespace
}  // namespace kurvex
