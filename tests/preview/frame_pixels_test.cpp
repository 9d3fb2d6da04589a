// The preview's frame drawn on real GL and checked by its pixels.
#include <GL/gl.h>

#include "geometry/geometry_result.h"
#include "test_courses.h"
#include "gl_fixture.h"

namespace kurvex::test {

namespace {

constexpr int kCx = kPictureWidth / 2, kCy = kPictureHeight / 2;

constexpr Rgb8 kSkyClear[8] = {{230, 115, 239}, {74, 230, 189}, {239, 247, 197}, {33, 115, 255},
                               {0, 0, 0},       {255, 82, 0},   {107, 8, 58},    {99, 214, 255}};
constexpr Rgb8 kGradientTop[8] = {{66, 0, 82}, {0, 74, 82},    {115, 115, 74}, {0, 0, 33},
                                  {0, 0, 0},   {206, 100, 17}, {24, 0, 82},    {33, 99, 247}};
constexpr Rgb8 kGradientBottom[8] = {{255, 198, 255}, {156, 247, 247}, {231, 239, 214},
                                     {148, 198, 222}, {0, 0, 0},       {255, 231, 148},
                                     {247, 165, 99},  {255, 255, 255}};

CameraValues Looking(double elevation) { return CameraAt({0, 1, 0}, elevation); }

using FrameTest = GlTest;

TEST_F(FrameTest, ClearColourAndGradientAreThoseOfTheSkyOfTheCourseShown) {
  Preview preview(context_, RingCourse(8, 5000), BareSettings());
  ASSERT_EQ(preview.built, kGeometryOk);
  for (int sky = 0; sky < 8; ++sky) {
    // The sky changes without the context being set up again, as after opening a course.
    preview.course.Sky = static_cast<uint8_t>(sky);
    preview.settings.sky_gradient = false;
    EXPECT_TRUE(Near(preview.Draw(Looking(0)).At(0, 0), kSkyClear[sky], 1)) << "sky " << sky;
    // The gradient: the top colour above and the bottom colour below.
    preview.settings.sky_gradient = true;
    EXPECT_TRUE(Near(preview.Draw(Looking(45)).At(kCx, 2), kGradientTop[sky])) << "sky " << sky;
    const Picture down = preview.Draw(Looking(315));
    for (int y : {2, kCy, kPictureHeight - 3}) {
      EXPECT_TRUE(Near(down.At(kCx, y), kGradientBottom[sky])) << "sky " << sky << " row " << y;
    }
  }
  // Looking back over the top the sky turns upside down: its lower colour at the top.
  preview.course.Sky = 3;
  EXPECT_TRUE(Near(preview.Draw(Looking(180)).At(kCx, 2), 148, 198, 222, 4));
  // A sky the table does not know keeps the colour there was.
  preview.settings.sky_gradient = false;
  preview.course.Sky = 9;
  EXPECT_TRUE(Near(preview.Draw(Looking(0)).At(0, 0), 33, 115, 255, 1));
  preview.settings.use_sky_colour = false;
  preview.settings.clear_colour = {12, 34, 56};
  EXPECT_TRUE(Near(preview.Draw(Looking(0)).At(5, 5), 12, 34, 56, 1));
}

TEST_F(FrameTest, StarsShineOnlyOnTheNightGradientAndTurnWithTheViewOnly) {
  GraphicsSettings settings = BareSettings();
  settings.sky_gradient = true;
  Course course = RingCourse(8, 5000);
  course.Sky = 4;
  Preview preview(context_, course, settings);
  const Picture night = preview.Draw(Looking(90));
  EXPECT_GT(night.Count(255, 255, 64, 2), 0);
  // Moving the eye does not move the stars.
  EXPECT_EQ(preview.Draw(CameraAt({7, 12, -4}, 90)).rgba, night.rgba);
  // Turning it does.
  EXPECT_NE(preview.Draw(Looking(80)).rgba, night.rgba);

  preview.settings.sky_gradient = false;
  EXPECT_EQ(preview.Draw(Looking(90)).Count(255, 255, 64, 2), 0);
  preview.settings.sky_gradient = true;
  preview.course.Sky = 3;
  EXPECT_EQ(preview.Draw(Looking(90)).Count(255, 255, 64, 2), 0);
}

TEST_F(FrameTest, FloorGridLiesOnTheWholeUnitsInItsColour) {
  GraphicsSettings settings = BareSettings();
  settings.lines[kLineFloorGrid].enabled = true;
  settings.lines[kLineFloorGrid].colour = {18, 52, 86};
  Course course = RingCourse(8, 30000);  // the track lies outside the view
  Preview preview(context_, course, settings);
  const CameraValues camera = LookDownAt({0.5, 0, 0.5}, 4);
  const Picture picture = preview.Draw(camera);
  int x = 0, y = 0;
  ASSERT_TRUE(Project(camera, kPictureWidth, kPictureHeight, {0, 0, 0.5}, &x, &y));
  EXPECT_TRUE(Near(picture.At(x - 1, y), 18, 52, 86) || Near(picture.At(x, y), 18, 52, 86) ||
              Near(picture.At(x + 1, y), 18, 52, 86));
  // Between the lines: the sky.
  EXPECT_TRUE(Near(picture.At(kCx, kCy), 230, 115, 239));
}

TEST_F(FrameTest, RedBlinkersPulseOnSpansWithoutTrack) {
  Course course = RingCourse(8, 5000);
  for (int i = 1; i <= 8; ++i) SetTrackCode(course, i, kNoTrackCode);
  Preview preview(context_, course, BareSettings());
  const CameraValues camera = LookDownAt(MidOfSpan(preview, 3), 3);
  EXPECT_TRUE(Near(preview.Draw(camera, 0).At(kCx, kCy), 255, 0, 0, 1));
  EXPECT_TRUE(Near(preview.Draw(camera, 0.25).At(kCx, kCy), 128, 0, 0, 2));
  EXPECT_TRUE(Near(preview.Draw(camera, 0.375).At(kCx, kCy), 64, 0, 0, 2));
  // The surface box alone does not show them.
  preview.settings.red_blinkers = false;
  EXPECT_TRUE(Near(preview.Draw(camera, 0).At(kCx, kCy), 230, 115, 239));
}

TEST_F(FrameTest, NormalTrackCoversThePixelsUnderTheRoadAndWireframeLeavesHoles) {
  Preview preview(context_, RingCourse(8, 5000, 600), BareSettings());
  const CameraValues camera = LookDownAt(MidOfSpan(preview, 2), 1.2);
  const Picture picture = preview.Draw(camera);
  EXPECT_TRUE(Near(picture.At(kCx, kCy), 255, 255, 255));
  const int filled = picture.Count(255, 255, 255);
  EXPECT_GT(filled, kPictureWidth * kPictureHeight / 3);
  preview.settings.wireframe = true;
  const int wire = preview.Draw(camera).Count(255, 255, 255);
  EXPECT_GT(wire, 0);
  EXPECT_LT(wire, filled / 3);
  // The next frame's background is filled again.
  preview.settings.wireframe = false;
  EXPECT_EQ(preview.Draw(camera).Count(255, 255, 255), filled);
  preview.settings.track_surface = false;
  EXPECT_TRUE(Near(preview.Draw(camera).At(kCx, kCy), 230, 115, 239));
}

TEST_F(FrameTest, SelectionMarkerShowsOnlyWithTheCtlPointDots) {
  GraphicsSettings settings = BareSettings();
  settings.track_surface = false;
  Preview preview(context_, RingCourse(8, 5000), settings);
  const Vec3 point = {5, 0, 0};  // CTL point 1
  const CameraValues camera = LookDownAt({4.9, 0, 0.1}, 3);
  int x = 0, y = 0;
  ASSERT_TRUE(Project(camera, kPictureWidth, kPictureHeight, point, &x, &y));
  EXPECT_TRUE(Near(preview.Draw(camera, 0, true, 1).At(x, y), 230, 115, 239));

  preview.settings.lines[kLineCtlDots].enabled = true;
  // At time 0 the rainbow is red; a third of a second later, green.
  EXPECT_TRUE(Near(preview.Draw(camera, 0, true, 1).At(x, y), 255, 0, 0));
  EXPECT_TRUE(Near(preview.Draw(camera, 1.0 / 3, true, 1).At(x, y), 0, 255, 0));
  // Without a loaded course, or with another point selected, only the dot shows.
  EXPECT_TRUE(Near(preview.Draw(camera, 0, false, 1).At(x, y), 255, 102, 0));
  EXPECT_TRUE(Near(preview.Draw(camera, 0, true, 2).At(x, y), 255, 102, 0));
  // A selection beyond the course's points marks nothing and reads nothing.
  EXPECT_TRUE(Near(preview.Draw(camera, 0, true, 200).At(x, y), 255, 102, 0));
}

TEST_F(FrameTest, VenueFloorShowsTheVenuesFloorTexture) {
  const TextureStore store = MakeSyntheticTextureStore();
  GraphicsSettings settings = BareSettings();
  settings.venue_floor = true;
  settings.track_surface = false;
  Course course = RingCourse(8, 5000);
  for (int venue : {3, 10}) {
    course.Venue = static_cast<uint8_t>(venue);
    Preview preview(context_, course, settings, &store);
    const Picture picture = preview.Draw(LookDownAt({0, 0, 0}, 6));
    // GP Ending shows the first venue's floor.
    const TextureHalves floor = SyntheticColours(TextureTable::kFloor, venue == 10 ? 1 : venue + 1);
    EXPECT_GT(picture.Count(floor.left.r, floor.left.g, floor.left.b) +
                  picture.Count(floor.right.r, floor.right.g, floor.right.b),
              kPictureWidth * kPictureHeight * 9 / 10)
        << "venue " << venue;
  }
}

TEST_F(FrameTest, HorizonImagesAreTintedBySkyAndLitAtNight) {
  const TextureStore store = MakeSyntheticTextureStore();
  GraphicsSettings settings = BareSettings();
  settings.horizon_images = true;
  settings.track_surface = false;
  Course course = RingCourse(8, 30000);
  course.HorizonCount = 1;
  course.HorizonImage[1] = 5;
  course.HorizonAngle[1] = 0;
  course.Sky = 3;  // Blue: tint (102, 153, 187)
  Preview preview(context_, course, settings, &store);
  const CameraValues camera = Looking(0);
  const double r = 15 * std::sqrt(2.0), w = r * std::sin(3.14159265358979 / 15);
  int x = 0, y = 0;
  ASSERT_TRUE(Project(camera, kPictureWidth, kPictureHeight, {-w / 2, 1.5, -r}, &x, &y));
  const TextureHalves image = SyntheticColours(TextureTable::kHorizon, 5);
  EXPECT_TRUE(Near(preview.Draw(camera).At(x, y), image.left.r * 102 / 255,
                   image.left.g * 153 / 255, image.left.b * 187 / 255, 2));
  // Night: untinted, and the light layer over it in the hue of the moment.
  preview.course.Sky = 4;
  EXPECT_TRUE(Near(preview.Draw(camera, 0).At(x, y), 255, 0, 0, 2));
  EXPECT_TRUE(Near(preview.Draw(camera, 2.0 / 3).At(x, y), 0, 0, 255, 2));
  // Where the light mask is clear, the image itself shows.
  ASSERT_TRUE(Project(camera, kPictureWidth, kPictureHeight, {w / 2, 1.5, -r}, &x, &y));
  EXPECT_TRUE(Near(preview.Draw(camera, 0).At(x, y), image.right, 2));
}

TEST_F(FrameTest, KillGlFreesEveryListAndTexture) {
  const TextureStore store = MakeSyntheticTextureStore();
  Preview preview(context_, RingCourse(8, 5000), BareSettings(), &store);
  const int32_t grid = preview.scene.frame().GridList();
  const int32_t stars = preview.scene.frame().StarListName();
  const int32_t surface = preview.scene.lists().SurfaceLists(1);
  const int32_t gate = preview.scene.lists().Models().ModelLists[1];
  const uint32_t floor = preview.scene.textures().FloorTextures(1);
  ASSERT_TRUE(glIsList(grid) && glIsList(stars) && glIsList(surface) && glIsList(gate));
  ASSERT_TRUE(glIsTexture(floor));
  preview.scene.KillGL();
  EXPECT_FALSE(glIsList(grid) || glIsList(stars) || glIsList(surface) || glIsList(gate));
  EXPECT_FALSE(glIsTexture(floor));
  EXPECT_EQ(preview.scene.frame().GridList(), 0);
  EXPECT_EQ(preview.scene.frame().StarListName(), 0);
  EXPECT_TRUE(preview.scene.textures().Empty());
  // And the whole state comes back.
  ASSERT_TRUE(preview.scene.ResetGL(kPictureWidth, kPictureHeight, preview.settings,
                                    &preview.course, &store));
  EXPECT_NE(preview.scene.lists().SurfaceLists(8), 0);
  EXPECT_TRUE(Near(preview.Draw(LookDownAt(MidOfSpan(preview, 2), 3)).At(kCx, kCy),
                   SyntheticColours(TextureTable::kTrack, 3).left));
}

}  // namespace

}  // namespace kurvex::test
