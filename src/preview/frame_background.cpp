// The frame's background: sky gradient, stars, venue floor, horizon images and floor grid, all
// drawn before depth testing starts, so that none of them ever hides the course.
#include <cmath>

#include "preview/preview_frame.h"
#include "preview/sky.h"

namespace kurvex {

namespace {

constexpr double kFloorExtent = 15;
constexpr double kFloorHeight = -0.5;
constexpr int kBigBlue = 2, kFireField = 8, kGpEnding = 10;

int Level(double component) { return static_cast<int>(std::nearbyint(component)); }

void Row(CometGL& gl, double y) {
  gl.Vertex(1, y, 0);
  gl.Vertex(-1, y, 0);
}

void Colour(CometGL& gl, const Rgb& c) { gl.DrawColor(c.r, c.g, c.b, 255); }

// The floor texture of a venue: venue + 1, with GP Ending showing the first venue's.
int FloorOf(int venue) { return venue == kGpEnding ? 1 : venue + 1; }

void HorizonQuad(CometGL& gl, double w) {
  const double s0 = 0.5 / 64, s1 = 63.5 / 64;  // half a texel inside the edges
  gl.DrawSubTriangleStrip();
  gl.TexturePoint(s0, s0);
  gl.Vertex(-w, 2 * w - 0.5, 0);
  gl.TexturePoint(s0, s1);
  gl.Vertex(-w, -0.5, 0);
  gl.TexturePoint(s1, s0);
  gl.Vertex(w, 2 * w - 0.5, 0);
  gl.TexturePoint(s1, s1);
  gl.Vertex(w, -0.5, 0);
  gl.EndSub();
}

}  // namespace

void PreviewFrame::DrawBackground(CometGL& gl, const FrameInputs& in) const {
  const GraphicsSettings& settings = in.settings;
  const CameraValues& camera = in.camera;
  gl.DepthTestDisable();
  if (settings.sky_gradient) DrawGradient(gl, in);

  gl.DepthTestEnable();
  gl.Rotate(-camera.skew, 0, 0, 1);
  gl.Rotate(-camera.elevation, 1, 0, 0);
  gl.Rotate(-camera.azimuth, 0, 1, 0);
  gl.DepthTestDisable();

  // The stars sit at unit distance around the eye: they turn with the view, never move.
  if (in.course.Sky == kNightSky && settings.sky_gradient) gl.DisplayListCall(star_list_name_);

  gl.PolygonMode(3, settings.wireframe ? 2 : 1);
  if (settings.venue_floor) DrawVenueFloor(gl, in);
  if (settings.horizon_images) {
    gl.PushMatrix();
    gl.Translate(0, -camera.y, 0);
    gl.TexturesEnable();
    gl.BlendingEnable();
    DrawHorizons(gl, in);
    gl.BlendingDisable();
    gl.TexturesDisable();
    gl.PopMatrix();
  }

  gl.Translate(-camera.x, -camera.y, -camera.z);  // from here on: course space
  const LineSetting& grid = settings.lines[kLineFloorGrid];
  if (grid.enabled) {
    if (grid.antialiasing) {
      gl.SmoothingEnable();
      gl.BlendingEnable();
    }
    gl.DrawColor(grid.colour.r, grid.colour.g, grid.colour.b, 255);
    gl.DisplayListCall(grid_list_);
    gl.SmoothingDisable();
    gl.BlendingDisable();
  }
}

void PreviewFrame::DrawGradient(CometGL& gl, const FrameInputs& in) const {
  const auto gradient = SkyGradientOf(in.course.Sky);
  gl.PushMatrix();
  gl.Rotate(-in.camera.skew, 0, 0, 1);
  double e = in.camera.elevation;
  if (e >= 90 && e < 270) {
    // Looking back over the top: the sky seen upside down.
    e = 180 - e;
    gl.Rotate(180, 0, 0, 1);
  }
  if (e >= 270) e -= 360;
  gl.Translate(0, -e / 45, -1);
  if (gradient) {
    gl.DrawSubTriangleStrip();
    Colour(gl, gradient->top);
    Row(gl, 3);
    Row(gl, 1);
    if (gradient->has_middle) {
      Colour(gl, gradient->middle);
      Row(gl, gradient->middle_y);
    }
    Colour(gl, gradient->bottom);
    Row(gl, 0);
    Row(gl, -3);
    gl.EndSub();
  }
  gl.PopMatrix();
}

void PreviewFrame::DrawVenueFloor(CometGL& gl, const FrameInputs& in) const {
  const GraphicsSettings& settings = in.settings;
  const CameraValues& camera = in.camera;
  const int venue = in.course.Venue;
  if (settings.floor_transparency) gl.BlendingEnable();
  gl.PushMatrix();
  gl.Translate(-camera.x, -camera.y, -camera.z);
  gl.DrawColor(255, 255, 255, Level(255 - settings.floor_transparency_percent * 255.0 / 100));

  const double scroll = venue == kBigBlue || venue == kFireField ? -animation_time_ / 10 : 0;
  const double e = kFloorExtent;
  gl.TexturesEnable();
  gl.TextureSelect(in.textures.FloorTextures(FloorOf(venue)), 0);
  gl.DrawSubTriangleStrip();
  gl.TexturePoint(-scroll, scroll + 2 * e);
  gl.Vertex(-e, kFloorHeight, -e);
  gl.TexturePoint(-scroll, scroll);
  gl.Vertex(-e, kFloorHeight, e);
  gl.TexturePoint(e - scroll, scroll + 2 * e);
  gl.Vertex(e, kFloorHeight, -e);
  gl.TexturePoint(e - scroll, scroll);
  gl.Vertex(e, kFloorHeight, e);
  gl.EndSub();
  gl.TexturesDisable();

  gl.BlendingDisable();
  gl.TexturesDisable();
  gl.PopMatrix();
}

void PreviewFrame::DrawHorizons(CometGL& gl, const FrameInputs& in) const {
  const Course& course = in.course;
  const double r = kFloorExtent * std::sqrt(2.0);  // the floor's corner distance
  const double w = r * std::sin(3.14159265358979 / 15);
  const auto tint = HorizonTint(course.Sky);
  const ColourF rainbow = ColorWheel(Hue(animation_time_));
  const int count = course.HorizonCount <= kMaxHorizons ? course.HorizonCount : kMaxHorizons;
  for (int h = 1; h <= count; ++h) {
    const int image = course.HorizonImage[h];
    const bool known = image >= 1 && image <= kHorizonCount;
    gl.PushMatrix();
    gl.Rotate(course.HorizonAngle[h], 0, 1, 0);
    gl.Translate(0, 0, -r);
    gl.TextureSelect(known ? in.textures.HorizonTextures(image) : 0u, 0);
    if (tint) Colour(gl, *tint);
    HorizonQuad(gl, w);
    if (course.Sky == kNightSky) {
      // The night layer: the image's lights, cycling through the hues once a second.
      gl.TextureSelect(known ? in.textures.HorizonTextures(image + kHorizonCount) : 0u, 0);
      gl.DrawColor(Level(rainbow.r), Level(rainbow.g), Level(rainbow.b), 255);
      HorizonQuad(gl, w);
    }
    gl.PopMatrix();
  }
}

}  // namespace kurvex
