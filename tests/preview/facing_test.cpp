// Every track surface shows the side a person looks at: rendered with textures whose left and
// right halves differ, a pixel tells which face of the tube was drawn (top or underside,
// inside or outside).
#include <memory>

#include "geometry/geometry_result.h"
#include "geometry_courses.h"
#include "gl_fixture.h"
#include "synthetic_textures.h"

namespace kurvex::testing {

namespace {

constexpr int kCx = kPictureWidth / 2, kCy = kPictureHeight / 2;

class FacingTest : public GlTest {
 protected:
  void SetUp() override {
    GlTest::SetUp();
    store_ = MakeSyntheticTextureStore();
  }

  // An eight-point ring whose points 3, 4 and 5 have the given code: span 4 is entirely of
  // that type.
  std::unique_ptr<Preview> Load(int32_t code, GraphicsSettings settings = BareSettings()) {
    Course course = RingCourse(8, 5000);
    for (int i = 3; i <= 5; ++i) SetTrackCode(course, i, code);
    auto preview = std::make_unique<Preview>(context_, course, settings, &store_);
    EXPECT_EQ(preview->built, kGeometryOk);
    return preview;
  }

  static Vec3 Middle(const Preview& preview, int span) {
    const auto& samples = preview.scene.prepared().MidCurve.Span(span).Samples;
    return samples[samples.size() / 2];
  }

  static CameraValues LookUpFrom(const Vec3& point) {
    CameraValues camera = LookDownAt(point, 0);
    camera.elevation = 90;
    return camera;
  }

  static ::testing::AssertionResult Shows(const Picture& picture, const Rgb8& colour) {
    return Near(picture.At(kCx, kCy), colour.r, colour.g, colour.b, 2);
  }

  TextureStore store_;
};

TextureHalves Model(int k) { return SyntheticColours(TextureTable::kModel, k); }

TEST_F(FacingTest, RoadShowsItsTopFromAboveAndItsUndersideFromBelow) {
  auto preview = Load(2);
  const Vec3 middle = Middle(*preview, 2);
  const TextureHalves road = SyntheticColours(TextureTable::kTrack, 3, 0);
  EXPECT_TRUE(Shows(preview->Draw(LookDownAt(middle, 3)), road.left));
  Vec3 below = middle;
  below.y -= 3;
  EXPECT_TRUE(Shows(preview->Draw(LookUpFrom(below)), road.right));
}

TEST_F(FacingTest, ZonesShowFromAbove) {
  Course course = RingCourse(8, 5000);
  course.SlipZone[2] = 3;  // centre lane
  Preview preview(context_, course, BareSettings(), &store_);
  const Vec3 middle = Middle(preview, 2);
  EXPECT_TRUE(Shows(preview.Draw(LookDownAt(middle, 3)), Model(34).left));
}

TEST_F(FacingTest, CylinderShowsItsOutside) {
  auto preview = Load(192);
  const Vec3 middle = Middle(*preview, 4);
  EXPECT_TRUE(Shows(preview->Draw(LookDownAt(middle, 3)), Model(21).left));
  Vec3 below = middle;
  below.y -= 3;
  EXPECT_TRUE(Shows(preview->Draw(LookUpFrom(below)), Model(21).right));
}

TEST_F(FacingTest, PipeShowsItsInsideFromWithinAndItsExteriorFromOutside) {
  GraphicsSettings settings = BareSettings();
  auto preview = Load(128, settings);
  const Vec3 axis = Middle(*preview, 4);
  // From the pipe's axis the floor below is the inside face; the exterior does not cover it.
  EXPECT_TRUE(Shows(preview->Draw(LookDownAt(axis, 0)), Model(13).right));
  EXPECT_TRUE(Shows(preview->Draw(LookUpFrom(axis)), Model(13).left));
  // From outside: the exterior's top.
  EXPECT_TRUE(Shows(preview->Draw(LookDownAt(axis, 3)), Model(14).left));
  // Without the exterior the inside floor shows through the open top.
  preview->settings.tunnel_exteriors = false;
  EXPECT_TRUE(Shows(preview->Draw(LookDownAt(axis, 3)), Model(13).right));
}

TEST_F(FacingTest, TunnelShowsItsInsideFromWithinAndItsExteriorFromAbove) {
  auto preview = Load(320);
  const Vec3 floor = Middle(*preview, 4);
  EXPECT_TRUE(Shows(preview->Draw(LookDownAt(floor, 0.15)), Model(5).right));
  Vec3 inside = floor;
  inside.y += 0.05;
  EXPECT_TRUE(Shows(preview->Draw(LookUpFrom(inside)), Model(5).left));
  EXPECT_TRUE(Shows(preview->Draw(LookDownAt(floor, 3)), Model(6).left));
}

TEST_F(FacingTest, HalfPipeShowsItsInsideFromAboveAndItsOutsideFromBelow) {
  auto preview = Load(256);
  const Vec3 middle = Middle(*preview, 4);
  EXPECT_TRUE(Shows(preview->Draw(LookDownAt(middle, 3)), Model(25).right));
  Vec3 below = middle;
  below.y -= 3;
  EXPECT_TRUE(Shows(preview->Draw(LookUpFrom(below)), Model(25).left));
}

}  // namespace

}  // namespace kurvex::testing
