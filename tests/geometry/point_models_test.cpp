#include "geometry/point_models.h"

#include <gtest/gtest.h>

#include <vector>

#include "geometry/model_lists.h"
#include "test_courses.h"
#include "geometry_test_util.h"

namespace kurvex {
using test::RingCourse;

namespace {

class PointModelsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    course_ = RingCourse(6, 8000);
    models_ = BuildModelLists(gl_);
  }
  // Records the placement of point i into a list, so the replay can follow the model calls.
  int32_t Place(int i, const PropSwitches& switches = PropSwitches(), double time = 0) {
    prepared_ = Prepare(course_);
    return RecordList(
        gl_, [&] { DrawPointModels(i, course_, prepared_, models_, switches, time, gl_); });
  }
  std::vector<int32_t> Calls(int32_t list) const {
    std::vector<int32_t> names;
    for (const DrawCall& call : gl_.CallsOf(list, DrawOp::kDisplayListCall)) {
      names.push_back(call.name);
    }
    return names;
  }
  int32_t Model(int k) const { return models_.ModelLists[k]; }

  Course course_;
  PreparedCourse prepared_;
  RecordingDrawTarget gl_;
  ModelListTable models_;
};

TEST_F(PointModelsTest, StructureSidesAndTheGroundPlane) {
  course_.Points[2].Y = 5000;
  course_.Points[2].LeftWidth = 300;
  course_.Points[2].RightWidth = 200;
  course_.Structure[2] = 0;
  const int32_t both = Place(2);
  EXPECT_EQ(Calls(both), (std::vector<int32_t>{Model(4), Model(4)}));
  // Left copy 0.8 left of the point, right copy 0.7 right of it; bases on y = -0.5.
  const std::vector<RecordedPrimitive> strips = gl_.Primitives(both);
  ASSERT_EQ(strips.size(), 4u);
  const Vec3 point = CtlPosition(course_, 2);
  const Vec3 left = (strips[0].vertices[1].position + strips[0].vertices[5].position) / 2;
  const Vec3 right = (strips[2].vertices[1].position + strips[2].vertices[5].position) / 2;
  EXPECT_NEAR(left.y, -0.5, 1e-12);
  EXPECT_NEAR(Distance(Vec3{left.x, 0, left.z}, Vec3{point.x, 0, point.z}), 0.8, 1e-9);
  EXPECT_NEAR(Distance(Vec3{right.x, 0, right.z}, Vec3{point.x, 0, point.z}), 0.7, 1e-9);
  // The right copy lies toward the right edge (inside the ring).
  EXPECT_LT(Length(Vec3{right.x, 0, right.z}), Length(Vec3{point.x, 0, point.z}));

  course_.Structure[2] = 1;
  EXPECT_EQ(Calls(Place(2)).size(), 1u);
  course_.Structure[2] = 14;  // orange skyscraper, right only
  EXPECT_EQ(Calls(Place(2)), (std::vector<int32_t>{Model(8)}));
}

TEST_F(PointModelsTest, VenueSkyscrapersShowTheVenuesTexture) {
  course_.Structure[1] = 0;
  course_.Venue = 6;
  EXPECT_EQ(gl_.CallsOf(Place(1), DrawOp::kTextureSelect)[0].texture, TextureRef::Feature(5));
  course_.Venue = 2;
  EXPECT_EQ(gl_.CallsOf(Place(1), DrawOp::kTextureSelect)[0].texture, TextureRef::Feature(1));
  EXPECT_EQ(VenueStructureTexture(0), TextureRef::Feature(2));
  EXPECT_EQ(VenueStructureTexture(4), TextureRef::Feature(3));
  EXPECT_EQ(VenueStructureTexture(5), TextureRef::Feature(4));
}

TEST_F(PointModelsTest, MonitorsAndGateShareTheScaledGateFrame) {
  course_.Points[3].LeftWidth = course_.Points[3].RightWidth = 400;
  course_.Gate[3] = 0;
  course_.Decoration[3] = 4;
  const int32_t list = Place(3, PropSwitches(), 0.5);
  EXPECT_EQ(Calls(list), (std::vector<int32_t>{Model(1), Model(13), Model(14)}));
  // Yaw, roll and pitch of the gate frame, then the drum's turn at 180 degrees per second.
  const std::vector<DrawCall> turns = gl_.CallsOf(list, DrawOp::kRotate);
  ASSERT_GE(turns.size(), 4u);
  EXPECT_EQ(turns[3].args[0], 90);
  EXPECT_EQ(turns[3].args[1], 1);
  // The drum spans the road from edge to edge: x -1..1 scaled by the half width 0.4.
  double lo = 1e9, hi = -1e9;
  const Vec3 mid = prepared_.MidCurve.Span(3).Samples[0];
  const Vec3 right = prepared_.RightEdgeCurve.Span(3).Samples[0];
  const Vec3 across = (right - mid) / Distance(mid, right);
  for (const RecordedPrimitive& strip : gl_.Primitives(list)) {
    if (strip.vertices[0].texture != TextureRef::Track(0, 10) || strip.vertices.size() != 4)
      continue;
    for (const RecordedVertex& v : strip.vertices) {
      const Vec3 d = v.position - mid;
      lo = std::min(lo, d.x * across.x + d.y * across.y + d.z * across.z);
      hi = std::max(hi, d.x * across.x + d.y * across.y + d.z * across.z);
    }
  }
  EXPECT_NEAR(lo, -0.4, 1e-9);
  EXPECT_NEAR(hi, 0.4, 1e-9);
}

TEST_F(PointModelsTest, DecorationsStandOnTheEdgesFacingTheRoad) {
  course_.Decoration[4] = 1;
  const int32_t flags = Place(4);
  const std::vector<DrawCall> selects = gl_.CallsOf(flags, DrawOp::kTextureSelect);
  ASSERT_EQ(selects.size(), 2u);  // before each copy
  for (const DrawCall& select : selects) EXPECT_EQ(select.texture, TextureRef::Model(44));
  EXPECT_EQ(Calls(flags), (std::vector<int32_t>{Model(10), Model(10)}));

  course_.Decoration[4] = 3;
  const int32_t spinners = Place(4, PropSwitches(), 0.25);
  EXPECT_EQ(Calls(spinners), (std::vector<int32_t>{Model(11), Model(12), Model(11), Model(12)}));
  const std::vector<DrawCall> turns = gl_.CallsOf(spinners, DrawOp::kRotate);
  // Gate and decoration frames (3 each), left copy's turn, right copy's half turn and its own
  // turn, the structure frame's heading.
  ASSERT_EQ(turns.size(), 10u);
  EXPECT_EQ(turns[6].args[0], -45);
  EXPECT_EQ(turns[7].args[0], 180);
  EXPECT_EQ(turns[8].args[0], 45);
}

TEST_F(PointModelsTest, EverythingSwitchedOffOnlyMovesTheMatrices) {
  course_.Gate[2] = 1;
  course_.Decoration[2] = 4;
  course_.Structure[2] = 3;
  PropSwitches off;
  off.normal_gates = off.starting_gates = off.canopies = off.overhead_monitors = false;
  off.tv_billboards = off.orange_flags = off.blue_flags = off.spinning_billboards = false;
  off.venue_scrapers = off.short_buildings = off.pyramids = off.pinnacles = false;
  off.orange_scrapers = false;
  const int32_t list = Place(2, off);
  for (const DrawCall& call : gl_.List(list)) {
    EXPECT_TRUE(call.op >= DrawOp::kPushMatrix) << static_cast<int>(call.op);  // matrices only
  }
  EXPECT_TRUE(gl_.errors().empty());
}

}  // namespace
}  // namespace kurvex
