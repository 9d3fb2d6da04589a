#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "geometry/cgl_geometry.h"
#include "geometry/model_lists.h"
#include "geometry/plate_builder.h"
#include "test_courses.h"
#include "geometry_test_util.h"

namespace kurvex {
using test::RingCourse;
using test::SetTrackCode;

namespace {

struct PlateList {
  RecordingDrawTarget gl;
  ModelListTable models;
  int32_t name = 0;
  std::vector<DrawCall> Calls(DrawOp op) const { return gl.CallsOf(name, op); }
};

PlateList BuildPlateList(const Course& course, const PreparedCourse& prepared, int i,
                         const FeatureSwitches& switches = FeatureSwitches()) {
  PlateList out;
  out.models = BuildModelLists(out.gl);
  out.name =
      RecordList(out.gl, [&] { BuildPlates(i, course, prepared, switches, out.models, out.gl); });
  EXPECT_TRUE(out.gl.errors().empty());
  return out;
}

// Where the model origins of the trap field's pyramids land, from the replay.
std::vector<Vec3> PyramidBases(const PlateList& list) {
  std::vector<Vec3> bases;
  for (const RecordedPrimitive& strip : list.gl.Primitives(list.name)) {
    // Front strip: (-1,0,0) first and (1,0,0) last; their midpoint is the origin.
    if (strip.vertices[0].texture == TextureRef::Model(29) && strip.vertices[0].local.x == -1) {
      bases.push_back((strip.vertices[0].position + strip.vertices[3].position) / 2);
    }
  }
  return bases;
}

// A point across the track at a placement, `lateral` in half widths of the placement.
Vec3 PlacePoint(const SpanCurves& span, double fraction, double lateral, double inset = 0) {
  const PlatePlace place = PlatePlaceAt(span, fraction, kFraction);
  const double x = lateral * place.half_width + (lateral < 0 ? inset : -inset);
  return LocalFrame(place.origin, place.angles).Apply({x, 0, 0});
}

TEST(TrapFields, CentreFieldHasSixPyramidsAtTheFifthsAndSideFieldsZigzag) {
  Course course = RingCourse(6, 8000);
  course.TrapField[2] = 0;
  course.TrapField[3] = 1;
  course.TrapField[4] = 2;
  const PreparedCourse prepared = Prepare(course);
  const PlateList centre = BuildPlateList(course, prepared, 2);
  const std::vector<Vec3> bases = PyramidBases(centre);
  ASSERT_EQ(bases.size(), 6u);
  const double places[6][2] = {{0.2, -0.5}, {0.2, 0.5}, {0.4, 0},
                               {0.6, -0.5}, {0.6, 0.5}, {0.8, 0}};
  for (int k = 0; k < 6; ++k) {
    EXPECT_VEC_NEAR(bases[k], PlacePoint(SpanCurves(prepared, 2), places[k][0], places[k][1]),
                    1e-12);
  }
  // Each pyramid is scaled to 0.025: its apex stands that high above its base.
  const RecordedPrimitive first = centre.gl.Primitives(centre.name)[0];
  EXPECT_NEAR(Distance(first.vertices[2].position, bases[0]), 0.025, 1e-12);

  for (int i : {3, 4}) {
    const std::vector<Vec3> side = PyramidBases(BuildPlateList(course, prepared, i));
    ASSERT_EQ(side.size(), 6u);
    const SpanCurves span(prepared, i);
    const double sigma = i == 3 ? -1 : 1;
    for (int k = 1; k <= 6; ++k) {
      // Odd: half the half width out; even: 0.0375 inside the edge.
      const Vec3 expected = k % 2 == 1 ? PlacePoint(span, (k - 1) / 6.0, sigma * 0.5)
                                       : PlacePoint(span, (k - 1) / 6.0, sigma, 0.0375);
      EXPECT_VEC_NEAR(side[k - 1], expected, 1e-12);
    }
  }
}

TEST(JumpPlates, FullWidthPlateOnHalfWidth013IsScaledTo0105AndLiesOnTheRoad) {
  Course course = RingCourse(6, 8000, 130);
  course.JumpPlate[1] = 0;
  course.JumpPlate[2] = 1;
  course.JumpPlate[3] = 2;
  course.JumpPlate[4] = 0;
  course.Banking[4] = course.Banking[5] = 20;
  const PreparedCourse prepared = Prepare(course);
  const double expected[] = {0.105, 0.0525, 0.0525};
  const double moved[] = {0, -0.0525 - 0.0125, 0.0525 + 0.0125};
  for (int i = 1; i <= 3; ++i) {
    const PlateList list = BuildPlateList(course, prepared, i);
    const std::vector<DrawCall> scales = list.Calls(DrawOp::kScaleFactors);
    ASSERT_EQ(scales.size(), 1u);
    // The half width at the end position is 0.13 up to the curvature of the ring.
    EXPECT_NEAR(scales[0].args[0], expected[i - 1], 1e-5);
    EXPECT_EQ(scales[0].args[1], 0.025);
    const std::vector<DrawCall> moves = list.Calls(DrawOp::kTranslate);
    ASSERT_EQ(moves.size(), i == 1 ? 1u : 2u);
    if (i > 1) EXPECT_NEAR(moves[1].args[0], moved[i - 1], 1e-5);
  }
  // On banked track, too, the plate lies on the road across the track facing ahead.
  const PlateList list = BuildPlateList(course, prepared, 4);
  const std::vector<RecordedPrimitive> strips = list.gl.Primitives(list.name);
  ASSERT_EQ(strips.size(), 3u);
  const std::vector<RecordedVertex>& ridge = strips[0].vertices;
  // The ridge runs across the track: its local +x end lies toward the right edge.
  const PlatePlace place = PlatePlaceAt(SpanCurves(prepared, 4), 0.05, kFromEnd);
  const LocalFrame frame(place.origin, place.angles);
  for (const RecordedVertex& v : ridge) {
    const Vec3 local = {v.local.x * (place.half_width - 0.025), v.local.y * 0.025,
                        v.local.z * 0.025};
    EXPECT_VEC_NEAR(v.position, frame.Apply(local), 1e-12);
  }
  // Local y is up from the road: the crest stands above the road surface.
  EXPECT_GT(ridge[2].position.y, ridge[0].position.y);
}

TEST(PlateKinds, ListStateAndSwitches) {
  Course course = RingCourse(6, 8000);
  course.JumpPlate[1] = 1;
  course.TrapField[1] = 2;
  course.DashPlate[1] = 0;
  const PreparedCourse prepared = Prepare(course);
  const PlateList list = BuildPlateList(course, prepared, 1);
  std::vector<DrawOp> state;
  for (const DrawCall& call : list.gl.List(list.name)) {
    if (call.op == DrawOp::kTexturesEnable || call.op == DrawOp::kTexturesDisable ||
        call.op == DrawOp::kCull || call.op == DrawOp::kDisplayListCall) {
      state.push_back(call.op);
    }
  }
  std::vector<DrawOp> expected = {DrawOp::kTexturesEnable, DrawOp::kCull,
                                  DrawOp::kDisplayListCall};                 // jump
  for (int n = 0; n < 6; ++n) expected.push_back(DrawOp::kDisplayListCall);  // trap
  expected.insert(expected.end(),
                  {DrawOp::kCull, DrawOp::kDisplayListCall, DrawOp::kTexturesDisable});
  EXPECT_EQ(state, expected);

  FeatureSwitches none;
  none.jump_plates = none.trap_fields = none.dash_plates = false;
  EXPECT_TRUE(BuildPlateList(course, prepared, 1, none).Calls(DrawOp::kDisplayListCall).empty());
}

TEST(DashPlates, WidthSetsTheScaleOnFlatTrackButNeverBelow0045) {
  Course course = RingCourse(6, 8000, 400);
  course.DashPlate[1] = 2;
  course.DashPlate[2] = 0;
  course.Points[2].LeftWidth = course.Points[2].RightWidth = 60;
  course.Points[3].LeftWidth = course.Points[3].RightWidth = 60;
  const PreparedCourse prepared = Prepare(course);
  const PlateList wide = BuildPlateList(course, prepared, 1);
  const double hw = PlatePlaceAt(SpanCurves(prepared, 1), 2.0 / 3, kFraction).half_width;
  const double s = (hw - 0.005) * 5 / 18;
  EXPECT_NEAR(wide.Calls(DrawOp::kScaleFactors)[0].args[0], s, 1e-12);
  const std::vector<DrawCall> moves = wide.Calls(DrawOp::kTranslate);
  ASSERT_EQ(moves.size(), 3u);  // to the place, up 0.01, to the right side
  EXPECT_EQ(moves[1].args[1], 0.01);
  EXPECT_NEAR(moves[2].args[0], hw - s - 0.025, 1e-12);
  EXPECT_EQ(BuildPlateList(course, prepared, 2).Calls(DrawOp::kScaleFactors)[0].args[0], 0.045);
}

TEST(DashPlates, CurvedTrackHasOnlyDashesJustOffTheFacesOfTheTube) {
  Course course = RingCourse(8, 10000);
  const int32_t codes[] = {129, 193, 257};
  for (int n = 0; n < 3; ++n) {
    const int i = 2 + 2 * n;
    SetTrackCode(course, i, codes[n]);
    course.JumpPlate[i] = course.TrapField[i] = 0;  // on flat track only
    course.DashPlate[i] = static_cast<uint8_t>(n);
  }
  const PreparedCourse prepared = Prepare(course);
  for (int n = 0; n < 3; ++n) {
    const PlateList list = BuildPlateList(course, prepared, 2 + 2 * n);
    const std::vector<DrawCall> calls = list.Calls(DrawOp::kDisplayListCall);
    ASSERT_EQ(calls.size(), 1u) << n;
    EXPECT_EQ(calls[0].name, list.models.PlateModelLists[kDashPlateModel]);
    EXPECT_EQ(list.Calls(DrawOp::kScaleFactors)[0].args[0], 0.045);
    const PlatePlace place = PlatePlaceAt(SpanCurves(prepared, 2 + 2 * n), 2.0 / 3, kFraction);
    const LocalFrame frame(place.origin, place.angles);
    // The tube's axis: the mid point, or 0.1 below it for the half pipe. The eight-sided pipe
    // and cylinder have their faces cos 22.5 of the half width from the axis; the plate lies
    // 0.01 inside the pipe and 0.01 outside the cylinder.
    const Vec3 axis = frame.Apply({0, n == 2 ? -0.1 : 0, 0});
    const double face = std::cos(DegToRad(22.5)) * place.half_width;
    const double expected[] = {face - 0.01, face + 0.01, place.half_width - 0.025};
    // The dash plate's own origin lies a quarter of the way from the chevron's near edge,
    // (-1,0,-0.5) and (1,0,-0.5), to its far one, (-1,0,1.5) and (1,0,1.5).
    const std::vector<RecordedVertex> v = list.gl.Primitives(list.name)[0].vertices;
    const Vec3 near = (v[0].position + v[4].position) / 2;
    const Vec3 origin = near + ((v[1].position + v[5].position) / 2 - near) * 0.25;
    EXPECT_NEAR(Distance(origin, axis), expected[n], 1e-12) << "plate kind " << n + 2;
  }
  EXPECT_EQ(PlateKindOf(322), kFlatPlates);  // a tunnel is flat for plates
}

}  // namespace
}  // namespace kurvex
