#include "geometry/course_lists.h"

#include <gtest/gtest.h>

#include <bitset>
#include <vector>

#include "geometry/geometry_result.h"
#include "geometry_test_util.h"
#include "test_courses.h"

namespace kurvex {
using test::FullFeatureCourse;
using test::RingCourse;

namespace {

// The shape of a list: its calls without the texture coordinates.
std::vector<DrawCall> Shape(const std::vector<DrawCall>& calls) {
  std::vector<DrawCall> shape;
  for (const DrawCall& call : calls) {
    if (call.op != DrawOp::kTexturePoint) shape.push_back(call);
  }
  return shape;
}

bool SameCalls(const std::vector<DrawCall>& a, const std::vector<DrawCall>& b) {
  if (a.size() != b.size()) return false;
  for (size_t n = 0; n < a.size(); ++n) {
    if (a[n].op != b[n].op || a[n].texture != b[n].texture) return false;
    for (int k = 0; k < 4; ++k) {
      if (a[n].args[k] != b[n].args[k]) return false;
    }
  }
  return true;
}

class CourseListsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    course_ = FullFeatureCourse();
    prepared_ = Prepare(course_);
    lists_.BuildModelLists(gl_);
    ASSERT_EQ(lists_.BuildAllLists(course_, prepared_, FeatureSwitches(), gl_), kGeometryOk);
    ASSERT_EQ(lists_.BuildLineLists(course_, prepared_, gl_), kGeometryOk);
  }
  Course course_;
  PreparedCourse prepared_;
  RecordingDrawTarget gl_;
  CourseDisplayLists lists_;
};

TEST_F(CourseListsTest, FullBuildNamesEveryListAndRebuildsWithoutLeaking) {
  // The recorder reports any non-finite vertex or texture coordinate as an error.
  EXPECT_TRUE(gl_.errors().empty());
  // 17 models, 6 line lists, four lists per point.
  EXPECT_EQ(gl_.LiveListCount(), 17 + 6 + 4 * 64);
  int vertices = 0;
  for (int i = 1; i <= 64; ++i) {
    EXPECT_TRUE(gl_.IsLive(lists_.SurfaceLists(i)));
    vertices += gl_.VertexCount(lists_.SurfaceLists(i));
    const int32_t type = course_.Points[i].TrackCode / 64;
    EXPECT_EQ(lists_.ExteriorFlags(i), type == 2 || type == 5 ? -1 : 0) << i;
  }
  EXPECT_GT(vertices, 5000);
  ASSERT_EQ(lists_.BuildAllLists(course_, prepared_, FeatureSwitches(), gl_), kGeometryOk);
  ASSERT_EQ(lists_.BuildLineLists(course_, prepared_, gl_), kGeometryOk);
  EXPECT_EQ(gl_.LiveListCount(), 17 + 6 + 4 * 64);
  EXPECT_TRUE(gl_.errors().empty());
}

TEST_F(CourseListsTest, SingleSpanRebuildMatchesTheFullBuildExactly) {
  for (int i : {2, 29, 44, 64}) {
    const int32_t surface = lists_.SurfaceLists(i);
    const int32_t exterior = lists_.ExteriorLists(i);
    const int32_t zones = lists_.ZoneLists(i);
    const int32_t plates = lists_.PlateLists(i);
    const std::vector<DrawCall> before = gl_.List(surface);
    ASSERT_EQ(lists_.BuildSpanSurface(course_, prepared_, i, gl_), kGeometryOk);
    ASSERT_EQ(lists_.BuildSpanZones(course_, prepared_, FeatureSwitches(), i, gl_), kGeometryOk);
    ASSERT_EQ(lists_.BuildSpanPlates(course_, prepared_, FeatureSwitches(), i, gl_), kGeometryOk);
    for (int32_t old : {surface, exterior, zones, plates}) EXPECT_FALSE(gl_.IsLive(old));
    EXPECT_NE(lists_.SurfaceLists(i), surface);
    EXPECT_TRUE(SameCalls(gl_.List(lists_.SurfaceLists(i)), before)) << i;
    EXPECT_TRUE(SameCalls(gl_.List(lists_.ZoneLists(i)), gl_.List(zones))) << i;
  }
  EXPECT_EQ(gl_.LiveListCount(), 17 + 6 + 4 * 64);
  EXPECT_TRUE(gl_.errors().empty());
}

TEST_F(CourseListsTest, RebuildingNearAMovedPointGivesTheShapeAFullBuildGives) {
  course_.Points[20].X += 900;
  course_.Points[20].Y += 300;
  course_.Points[20].LeftWidth += 200;
  course_.Banking[20] = 20;
  prepared_ = Prepare(course_);
  std::bitset<kMaxPoints + 2> moved;
  moved[20] = true;
  ASSERT_EQ(lists_.RebuildNear(course_, prepared_, FeatureSwitches(), moved, gl_), kGeometryOk);
  RecordingDrawTarget full_gl;
  CourseDisplayLists full;
  full.BuildModelLists(full_gl);
  ASSERT_EQ(full.BuildAllLists(course_, prepared_, FeatureSwitches(), full_gl), kGeometryOk);
  for (int i = 1; i <= 64; ++i) {
    for (auto list : {&CourseDisplayLists::SurfaceLists, &CourseDisplayLists::ZoneLists,
                      &CourseDisplayLists::PlateLists}) {
      EXPECT_TRUE(
          SameCalls(Shape(gl_.List((lists_.*list)(i))), Shape(full_gl.List((full.*list)(i)))))
          << i;
    }
  }
}

TEST_F(CourseListsTest, ShrinkingTheCourseDeletesTheListsBeyondItAndDeleteAllTheRest) {
  Course smaller = RingCourse(10, 9000);
  const PreparedCourse prepared = Prepare(smaller);
  ASSERT_EQ(lists_.BuildAllLists(smaller, prepared, FeatureSwitches(), gl_), kGeometryOk);
  EXPECT_EQ(lists_.SurfaceLists(11), 0);
  EXPECT_EQ(lists_.PlateLists(64), 0);
  EXPECT_EQ(gl_.LiveListCount(), 17 + 6 + 4 * 10);
  // Deleting everything releases every name.
  lists_.DeleteAll(gl_);
  EXPECT_EQ(gl_.LiveListCount(), 0);
  EXPECT_EQ(lists_.SurfaceLists(1), 0);
  EXPECT_EQ(lists_.LineLists(0), 0);
  EXPECT_EQ(lists_.Models().ModelLists[1], 0);
  EXPECT_TRUE(gl_.errors().empty());
}

TEST_F(CourseListsTest, MismatchedPreparationIsRefusedAndChangesNothing) {
  const Course other = RingCourse(10, 9000);
  const int live = gl_.LiveListCount();
  const int32_t surface = lists_.SurfaceLists(3);
  EXPECT_EQ(lists_.BuildAllLists(other, prepared_, FeatureSwitches(), gl_), kGeometryNotPrepared);
  EXPECT_EQ(lists_.BuildSpanSurface(course_, prepared_, 65, gl_), kGeometryNoSuchPoint);
  EXPECT_EQ(lists_.BuildSpanZones(course_, prepared_, FeatureSwitches(), 0, gl_),
            kGeometryNoSuchPoint);
  EXPECT_EQ(lists_.BuildLineLists(other, prepared_, gl_), kGeometryNotPrepared);
  Course empty;
  EXPECT_EQ(lists_.BuildSpanPlates(empty, prepared_, FeatureSwitches(), 1, gl_),
            kGeometryBadPointCount);
  EXPECT_EQ(gl_.LiveListCount(), live);
  EXPECT_EQ(lists_.SurfaceLists(3), surface);
}

TEST_F(CourseListsTest, LineListsFollowTheCurvesAndPoints) {
  int samples = 0;
  for (const CurveSegment& span : prepared_.CentreCurve.Segments) samples += span.Count();
  const std::vector<RecordedPrimitive> centre = gl_.Primitives(lists_.LineLists(kGameDataSpline));
  ASSERT_EQ(centre.size(), 1u);
  EXPECT_EQ(centre[0].kind, DrawOp::kDrawSubLineLoop);
  EXPECT_EQ(static_cast<int>(centre[0].vertices.size()), samples);  // joints twice
  EXPECT_EQ(gl_.VertexCount(lists_.LineLists(kCenterSpline)), samples);
  const std::vector<RecordedPrimitive> segments = gl_.Primitives(lists_.LineLists(kSegmentLines));
  EXPECT_EQ(segments[0].kind, DrawOp::kDrawSubLines);
  ASSERT_EQ(segments[0].vertices.size(), 128u);
  EXPECT_EQ(segments[0].vertices[0].position, prepared_.RightEdgePoints[1]);
  EXPECT_EQ(segments[0].vertices[1].position, prepared_.LeftEdgePoints[1]);
  const std::vector<RecordedPrimitive> dots = gl_.Primitives(lists_.LineLists(kCtlPointDots));
  EXPECT_EQ(dots[0].kind, DrawOp::kDrawSubPoints);
  EXPECT_EQ(dots[0].width, 3.0);
  ASSERT_EQ(dots[0].vertices.size(), 64u);
  EXPECT_EQ(dots[0].vertices[63].position, CtlPosition(course_, 64));
}

}  // namespace
}  // namespace kurvex
