#include <gtest/gtest.h>

#include <vector>

#include "geometry/cgl_geometry.h"
#include "geometry/texture_offsets.h"
#include "geometry/zone_builder.h"
#include "geometry_courses.h"
#include "geometry_test_util.h"

namespace kurvex {
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

struct ZoneList {
  RecordingDrawTarget gl;
  int32_t name = 0;
  std::vector<RecordedPrimitive> strips;
};

void BuildZoneList(const Course& course, const PreparedCourse& prepared, int i,
                   const FeatureSwitches& switches, ZoneList& out) {
  out.name = RecordList(out.gl, [&] {
    BuildZones(i, course, prepared, switches, ZoneTexOffset(prepared, i), out.gl);
  });
  out.strips = out.gl.Primitives(out.name);
  EXPECT_TRUE(out.gl.errors().empty());
}

TEST(ZoneStrips, CentreSlipZoneIsOneLaneAcrossTheWholeSpan) {
  Course course = RingCourse(5, 6000);
  course.SlipZone[2] = 3;
  const PreparedCourse prepared = Prepare(course);
  ZoneList list;
  BuildZoneList(course, prepared, 2, FeatureSwitches(), list);
  const CurveSegment& mid = prepared.MidCurve.Span(2);
  const CurveSegment& right = prepared.RightEdgeCurve.Span(2);
  ASSERT_EQ(list.strips.size(), static_cast<size_t>(mid.Count() - 1));
  for (size_t k = 0; k + 1 < static_cast<size_t>(mid.Count()); ++k) {
    const std::vector<RecordedVertex>& v = list.strips[k].vertices;
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
  const std::vector<DrawCall>& calls = list.gl.List(list.name);
  EXPECT_EQ(calls[0].op, DrawOp::kTexturesEnable);
  EXPECT_EQ(calls[1].op, DrawOp::kDrawColor);
}

TEST(ZoneStrips, SideLanesFollowTheHalfWidthAndNarrowTheirTexture) {
  Course course = RingCourse(5, 6000, 60);  // half width 0.06: narrower than the centre lane
  course.PitArea[1] = 0;
  const PreparedCourse prepared = Prepare(course);
  ZoneList list;
  BuildZoneList(course, prepared, 1, FeatureSwitches(), list);
  ASSERT_EQ(list.strips.size(), 2u * (prepared.MidCurve.Span(1).Count() - 1));
  const RecordedVertex& left_bound = list.strips[0].vertices[0];
  EXPECT_NEAR(left_bound.s, (0.06 - 0.105) * kZoneTextureFactor * 2 / 3, 1e-9);
  EXPECT_EQ(list.strips[1].vertices[0].texture, TextureRef::Zone(kPitZone));
}

TEST(ZoneStrips, TextureRunsOnAroundTheCourseWhetherOrNotSpansHaveZones) {
  Course course = RingCourse(5, 6000);
  course.DartZone[1] = 1;
  course.DartZone[3] = 2;
  const PreparedCourse prepared = Prepare(course);
  ZoneList first, third, empty;
  BuildZoneList(course, prepared, 1, FeatureSwitches(), first);
  BuildZoneList(course, prepared, 3, FeatureSwitches(), third);
  BuildZoneList(course, prepared, 2, FeatureSwitches(), empty);
  EXPECT_TRUE(empty.strips.empty());
  EXPECT_EQ(first.strips.front().vertices[0].t, 0);
  const double expected =
      (prepared.MidCurve.Span(1).Length + prepared.MidCurve.Span(2).Length) * kZoneTextureFactor;
  EXPECT_NEAR(third.strips.front().vertices[0].t, expected, 1e-9);
}

}  // namespace
}  // namespace kurvex
