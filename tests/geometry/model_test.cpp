#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "geometry/model_lists.h"
#include "geometry_test_util.h"

namespace kurvex {
namespace {

struct ModelExpectation {
  const char* name;
  bool plate;
  int k;
  int vertices;
  int strips;
  Vec3 first;
  double s, t;
  std::vector<int> textures;  // model textures selected, in order
};

const ModelExpectation kModels[] = {
    {"normal gate", false, 1, 42, 11, {-1.375, 1, 0.125}, 3, 0, {36, 35, 35, 35}},
    {"starting gate", false, 2, 48, 13, {-1, 1, -0.15}, 0, 0, {37, 38, 39, 37, 39, 37}},
    {"canopy", false, 3, 48, 10, {-1.2, 0, 2.25}, 0, 4, {40, 37}},
    {"venue skyscraper", false, 4, 14, 2, {-0.2775, 1.72, 0.2775}, 0, 0, {}},
    {"short building", false, 5, 14, 2, {-0.25, 0.5, 0.25}, 0, 0, {45}},
    {"pyramid", false, 6, 12, 4, {-0.25, -0.5, 0.25}, 0, 8, {46}},
    {"pinnacle", false, 7, 14, 4, {-0.2, -0.5, 0.2}, 0, 1, {47}},
    {"orange skyscraper", false, 8, 14, 2, {-0.25, 1.5, 0.25}, 0, 0, {48}},
    {"tv billboard", false, 9, 6, 1, {-0.03, 0.25, 0.125}, 0, 0, {41}},
    {"flag", false, 10, 12, 2, {-0.03, 0.25, 0}, 1, 0, {42}},
    {"spinner post", false, 11, 12, 3, {0, 0.25, 0}, 0.9375, 0.1640625, {}},
    {"spinner board", false, 12, 18, 5, {-0.065, 0.175, -0.13 * 0.8660254037844386}, 0, 0, {}},
    {"monitor brackets", false, 13, 12, 2, {-1.5, -0.1, 0}, 0.6875, 0.53125, {}},
    {"monitor drum", false, 14, 18, 5, {-1, 0, 0.2}, 0, 0, {}},
    {"dash plate", true, 1, 6, 1, {-1, 0, -0.5}, -1, 4.0 / 3, {32}},
    {"jump plate", true, 2, 12, 3, {1, 0, -1}, 0.484375, 0.9375, {30}},
    {"trap field", true, 3, 8, 2, {-1, 0, 0}, 0, 1, {29}},
};

class ModelListsTest : public ::testing::Test {
 protected:
  void SetUp() override { table_ = BuildModelLists(gl_); }
  int32_t NameOf(const ModelExpectation& m) const {
    return m.plate ? table_.PlateModelLists[m.k] : table_.ModelLists[m.k];
  }
  RecordingDrawTarget gl_;
  ModelListTable table_;
};

TEST_F(ModelListsTest, SeventeenListsInOrder) {
  EXPECT_TRUE(gl_.errors().empty());
  EXPECT_EQ(gl_.LiveListCount(), 17);
  // The recorder names its lists 1, 2, 3, ...
  for (int k = 1; k <= kModelListCount; ++k) EXPECT_EQ(table_.ModelLists[k], k);
  for (int k = 1; k <= kPlateModelListCount; ++k) {
    EXPECT_EQ(table_.PlateModelLists[k], kModelListCount + k);
  }
}

TEST_F(ModelListsTest, EachListHasItsVerticesStripsFirstVertexAndTextures) {
  for (const ModelExpectation& m : kModels) {
    SCOPED_TRACE(m.name);
    const int32_t name = NameOf(m);
    const std::vector<RecordedPrimitive> strips = gl_.Primitives(name);
    EXPECT_EQ(gl_.VertexCount(name), m.vertices);
    EXPECT_EQ(static_cast<int>(strips.size()), m.strips);
    for (const RecordedPrimitive& strip : strips)
      EXPECT_EQ(strip.kind, DrawOp::kDrawSubTriangleStrip);
    const RecordedVertex& first = strips[0].vertices[0];
    EXPECT_VEC_NEAR(first.local, m.first, 1e-15);
    EXPECT_TRUE(first.has_texture_point);
    EXPECT_EQ(first.s, m.s);
    EXPECT_EQ(first.t, m.t);
    std::vector<int> textures;
    for (const DrawCall& call : gl_.CallsOf(name, DrawOp::kTextureSelect)) {
      EXPECT_EQ(call.texture.kind, TextureRef::kModel);
      EXPECT_EQ(call.args[0], 0);
      textures.push_back(call.texture.index);
    }
    EXPECT_EQ(textures, m.textures);
  }
}

TEST_F(ModelListsTest, TwoSidedStripsAndCopiesTurnedByTheRecordedMatrices) {
  // Two-sided strips repeat their first quad.
  for (int k : {kTvBillboardModel, kFlagModel, kMonitorFixedModel}) {
    const std::vector<RecordedVertex> v = gl_.Primitives(table_.ModelLists[k])[0].vertices;
    ASSERT_EQ(v.size(), 6u);
    EXPECT_EQ(v[4].local, v[0].local);
    EXPECT_EQ(v[5].local, v[1].local);
  }
  // The normal gate's second post is the first turned half a turn about y.
  const std::vector<RecordedPrimitive> gate = gl_.Primitives(table_.ModelLists[kNormalGateModel]);
  EXPECT_VEC_NEAR(gate[8].vertices[0].position, (Vec3{1.375, 1, -0.125}), 1e-12);
  // The starting gate's legs stand 1.1 out and lean 70 degrees in.
  const std::vector<RecordedPrimitive> start =
      gl_.Primitives(table_.ModelLists[kStartingGateModel]);
  const Vec3 foot = start[5].vertices[1].position;  // (-0.15, 0, 0) of the left leg
  EXPECT_NEAR(foot.x, -1.1 - 0.15 * std::cos(70 * M_PI / 180), 1e-9);
  EXPECT_NEAR(foot.y, -0.15 * std::sin(70 * M_PI / 180), 1e-9);
  // The pyramid's four faces meet at the apex.
  for (const RecordedPrimitive& face : gl_.Primitives(table_.ModelLists[kPyramidModel])) {
    EXPECT_VEC_NEAR(face.vertices[2].position, (Vec3{0, 0.5, 0}), 1e-12);
  }
  // Vertices without their own coordinates keep the previous ones.
  const std::vector<RecordedPrimitive> jump =
      gl_.Primitives(table_.PlateModelLists[kJumpPlateModel]);
  EXPECT_EQ(jump[0].vertices[1].t, 0.9375);
  EXPECT_EQ(jump[0].vertices[3].t, 0.296875);
}

}  // namespace
}  // namespace kurvex
