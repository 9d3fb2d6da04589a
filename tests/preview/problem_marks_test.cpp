// The problems' marks in the preview's frame, checked by their pixels on real GL.
#include "geometry/geometry_result.h"
#include "gl_fixture.h"
#include "preview/problem_markers.h"
#include "preview/view_projection.h"
#include "test_courses.h"

namespace kurvex::test {

namespace {

constexpr int kCx = kPictureWidth / 2, kCy = kPictureHeight / 2;

using ProblemMarksTest = GlTest;

int CountOf(const Picture& picture, const MarkerColour& colour) {
  return picture.Count(colour.r, colour.g, colour.b, 2);
}

TEST_F(ProblemMarksTest, MarksListEachPointOnceAndTheShortSpans) {
  const std::vector<CourseProblem> problems = {
      {ProblemGroup::kEk, "ek-venue", 0, ""},        {ProblemGroup::kRom, "rom-widgets", 7, ""},
      {ProblemGroup::kEk, "ek-chord-length", 3, ""}, {ProblemGroup::kEk, "ek-banking", 3, ""},
      {ProblemGroup::kEk, "ek-widgets", 7, ""},
  };
  const ProblemMarks marks = MarksOf(problems);
  EXPECT_EQ(marks.points, std::vector<int>({3, 7}));
  EXPECT_EQ(marks.short_spans, std::vector<int>({3}));
}

// A ring round the point (its middle left clear), brighter round the current point, the same
// size on the screen near and far; a short span in the warning colour; none with the markers
// switched off.
TEST_F(ProblemMarksTest, RingsAndShortSpansAreDrawnOverTheCourse) {
  Preview preview(context_, RingCourse(8, 5000), BareSettings());
  ASSERT_EQ(preview.built, kGeometryOk);
  preview.scene.SetProblemMarks({{3}, {}});
  const Vec3 three = CtlPointPosition(preview.course, 3);

  const Picture near = preview.Draw(LookDownAt(three, 4), 0, true, 1);
  const int ring = CountOf(near, kProblemRing);
  EXPECT_GT(ring, 10);
  EXPECT_FALSE(Near(near.At(kCx, kCy), kProblemRing.r, kProblemRing.g, kProblemRing.b, 2));
  const int radius = static_cast<int>(kRingRadius * kPictureHeight + 0.5);
  int on_ring = 0;
  for (int dx = radius - 1; dx <= radius + 1; ++dx) {
    on_ring += Near(near.At(kCx + dx, kCy), kProblemRing.r, kProblemRing.g, kProblemRing.b, 2);
  }
  EXPECT_GT(on_ring, 0);
  const Picture far = preview.Draw(LookDownAt(three, 30), 0, true, 1);
  EXPECT_NEAR(CountOf(far, kProblemRing), ring, ring / 4);

  const Picture current = preview.Draw(LookDownAt(three, 4), 0, true, 3);
  EXPECT_EQ(CountOf(current, kProblemRing), 0);
  EXPECT_GT(CountOf(current, kCurrentProblemRing), ring);  // drawn wider

  preview.scene.SetProblemMarks({{}, {5}});
  const Picture span = preview.Draw(LookDownAt(MidOfSpan(preview, 5), 4));
  EXPECT_TRUE(Near(span.At(kCx, kCy), kShortSpan.r, kShortSpan.g, kShortSpan.b, 2));

  preview.scene.SetProblemMarks({{3}, {5}});
  preview.settings.problem_markers = false;
  EXPECT_EQ(CountOf(preview.Draw(LookDownAt(three, 4), 0, true, 3), kCurrentProblemRing), 0);
  EXPECT_EQ(CountOf(preview.Draw(LookDownAt(MidOfSpan(preview, 5), 4)), kShortSpan), 0);
  // Marks of points the course no longer has are left out.
  preview.settings.problem_markers = true;
  preview.scene.SetProblemMarks({{12}, {12}});
  EXPECT_EQ(CountOf(preview.Draw(LookDownAt(three, 40)), kProblemRing), 0);
}

}  // namespace
}  // namespace kurvex::test
