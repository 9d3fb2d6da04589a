// Every track surface shows the side a person looks at: rendered with textures whose left and
// right halves differ, a pixel tells which face of the tube was drawn (top or underside,
// inside or outside).
#include <vector>

#include "geometry/geometry_result.h"
#include "test_courses.h"
#include "gl_fixture.h"

namespace kurvex::test {

namespace {

struct View {
  double dy, elevation;  // the eye this far above the middle of the span, looking down (270) or up (90)
  Rgb8 colour;           // at the centre of the picture
  bool exteriors = true;
};

struct Case {
  const char* what;
  int32_t code;  // of points 3, 4 and 5: span 4 is entirely of that type
  int span, slip_zone;
  std::vector<View> views;
};

Rgb8 ModelLeft(int k) { return SyntheticColours(TextureTable::kModel, k).left; }
Rgb8 ModelRight(int k) { return SyntheticColours(TextureTable::kModel, k).right; }

using FacingTest = GlTest;

TEST_F(FacingTest, EverySurfaceShowsTheSideLookedAt) {
  const TextureStore store = MakeSyntheticTextureStore();
  const TextureHalves road = SyntheticColours(TextureTable::kTrack, 3, 0);
  const Case cases[] = {
      {"road: top from above, underside from below", 2, 2, kNone,
       {{3, 270, road.left}, {-3, 90, road.right}}},
      {"centre slip zone from above", 2, 2, 3, {{3, 270, ModelLeft(34)}}},
      {"cylinder: its outside", 192, 4, kNone, {{3, 270, ModelLeft(21)}, {-3, 90, ModelRight(21)}}},
      // From the pipe's axis the floor below is the inside face; the exterior does not cover
      // it. From outside: the exterior's top; without it, the inside floor through the open top.
      {"pipe", 128, 4, kNone,
       {{0, 270, ModelRight(13)},
        {0, 90, ModelLeft(13)},
        {3, 270, ModelLeft(14)},
        {3, 270, ModelRight(13), false}}},
      {"tunnel: inside from within, exterior from above", 320, 4, kNone,
       {{0.15, 270, ModelRight(5)}, {0.05, 90, ModelLeft(5)}, {3, 270, ModelLeft(6)}}},
      {"half pipe: inside from above, outside from below", 256, 4, kNone,
       {{3, 270, ModelRight(25)}, {-3, 90, ModelLeft(25)}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Course course = RingCourse(8, 5000);
    for (int i = 3; i <= 5; ++i) SetTrackCode(course, i, c.code);
    course.SlipZone[2] = static_cast<uint8_t>(c.slip_zone);
    Preview preview(context_, course, BareSettings(), &store);
    ASSERT_EQ(preview.built, kGeometryOk);
    const Vec3 middle = MidOfSpan(preview, c.span);
    for (const View& view : c.views) {
      preview.settings.tunnel_exteriors = view.exteriors;
      const Picture picture =
          preview.Draw(CameraAt({middle.x, middle.y + view.dy, middle.z}, view.elevation));
      EXPECT_TRUE(Near(picture.At(kPictureWidth / 2, kPictureHeight / 2), view.colour, 2))
          << "eye " << view.dy << ", elevation " << view.elevation;
    }
  }
}

}  // namespace

}  // namespace kurvex::test
