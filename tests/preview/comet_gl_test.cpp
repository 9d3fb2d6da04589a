// The drawing layer on a real context: the GL state each operation leaves, read back from GL.
#include "preview/comet_gl.h"

#include <GL/gl.h>

#include <array>

#include "gl_fixture.h"

namespace kurvex::test {

namespace {

template <size_t N = 4>
std::array<GLint, N> Integers(GLenum name) {
  std::array<GLint, N> value{};
  glGetIntegerv(name, value.data());
  return value;
}

GLint Integer(GLenum name) { return Integers(name)[0]; }

template <size_t N = 4>
std::array<GLfloat, N> Floats(GLenum name) {
  std::array<GLfloat, N> value{};
  glGetFloatv(name, value.data());
  return value;
}

GLint TextureParameter(GLenum name) {
  GLint value = 0;
  glGetTexParameteriv(GL_TEXTURE_2D, name, &value);
  return value;
}

class CometGLTest : public GlTest {
 protected:
  void SetUp() override {
    GlTest::SetUp();
    ASSERT_TRUE(gl_.Initialize(kPictureWidth, kPictureHeight));
  }
  // No operation of a test leaves a GL error behind.
  void TearDown() override { EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR)); }
  CometGL gl_;
};

TEST_F(CometGLTest, InitializeSetsTheDefaultState) {
  EXPECT_EQ(Integer(GL_DEPTH_FUNC), GL_LEQUAL);
  EXPECT_EQ(Integer(GL_SHADE_MODEL), GL_SMOOTH);
  EXPECT_EQ(Integer(GL_FOG_HINT), GL_NICEST);
  EXPECT_EQ(Integer(GL_PERSPECTIVE_CORRECTION_HINT), GL_NICEST);
  EXPECT_FALSE(glIsEnabled(GL_DEPTH_TEST) || glIsEnabled(GL_BLEND) || glIsEnabled(GL_TEXTURE_2D) ||
               glIsEnabled(GL_CULL_FACE));
  EXPECT_EQ(Integers(GL_VIEWPORT), (std::array<GLint, 4>{0, 0, kPictureWidth, kPictureHeight}));
  // 45 degrees vertically: the projection's y scale is 1 / tan(22.5 degrees).
  const auto projection = Floats<16>(GL_PROJECTION_MATRIX);
  EXPECT_NEAR(projection[5], 2.4142135, 1e-5);
  EXPECT_NEAR(projection[0], 2.4142135 * kPictureHeight / kPictureWidth, 1e-5);
}

TEST_F(CometGLTest, CullZeroLeavesCullingOffAndTheOthersChooseTheFaces) {
  gl_.Cull(2);
  EXPECT_TRUE(glIsEnabled(GL_CULL_FACE));
  EXPECT_EQ(Integer(GL_CULL_FACE_MODE), GL_BACK);
  gl_.Cull(0);
  EXPECT_FALSE(glIsEnabled(GL_CULL_FACE));
  gl_.Cull(1);
  EXPECT_EQ(Integer(GL_CULL_FACE_MODE), GL_FRONT);
  gl_.Cull(3);
  EXPECT_EQ(Integer(GL_CULL_FACE_MODE), GL_FRONT_AND_BACK);
}

TEST_F(CometGLTest, TextureSelectBindsAndSetsCoordinateGeneration) {
  GLuint name = 0;
  glGenTextures(1, &name);
  const GLint modes[] = {GL_OBJECT_LINEAR, GL_EYE_LINEAR, GL_SPHERE_MAP};
  for (int16_t mode = 1; mode <= 3; ++mode) {
    gl_.TextureSelect(name, mode);
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_GEN_S) && glIsEnabled(GL_TEXTURE_GEN_T));
    GLint s = 0, t = 0;
    glGetTexGeniv(GL_S, GL_TEXTURE_GEN_MODE, &s);
    glGetTexGeniv(GL_T, GL_TEXTURE_GEN_MODE, &t);
    EXPECT_EQ(s, modes[mode - 1]);
    EXPECT_EQ(t, modes[mode - 1]);
  }
  gl_.TextureSelect(name, 0);
  EXPECT_EQ(static_cast<GLuint>(Integer(GL_TEXTURE_BINDING_2D)), name);
  EXPECT_FALSE(glIsEnabled(GL_TEXTURE_GEN_S) || glIsEnabled(GL_TEXTURE_GEN_T));
}

TEST_F(CometGLTest, ColoursAreScaledTo0Through1) {
  gl_.ClearColor(255, 255, 255);
  gl_.Clear();
  const Picture cleared{kPictureWidth, kPictureHeight, context_.ReadPixels()};
  EXPECT_EQ(cleared.Count(255, 255, 255, 0), kPictureWidth * kPictureHeight);
  gl_.DrawColor(255, 255, 64, 255);
  const auto colour = Floats(GL_CURRENT_COLOR);
  EXPECT_FLOAT_EQ(colour[0], 1.0f);
  EXPECT_FLOAT_EQ(colour[1], 1.0f);
  EXPECT_NEAR(colour[2], 0.251f, 1e-3);
  EXPECT_FLOAT_EQ(colour[3], 1.0f);
  gl_.FogEnable(2, 9, 0, 51, 255);
  EXPECT_TRUE(glIsEnabled(GL_FOG));
  EXPECT_EQ(Integer(GL_FOG_MODE), GL_LINEAR);
  EXPECT_NEAR(Floats(GL_FOG_COLOR)[1], 0.2f, 1e-6);
  EXPECT_FLOAT_EQ(Floats(GL_FOG_END)[0], 9.0f);
  gl_.FogDisable();
  EXPECT_FALSE(glIsEnabled(GL_FOG));
  gl_.LightDiffuse(2, 255, 0, 51, 255);
  GLfloat diffuse[4];
  glGetLightfv(GL_LIGHT2, GL_DIFFUSE, diffuse);
  EXPECT_NEAR(diffuse[2], 0.2f, 1e-6);
  gl_.LightOn(2);
  EXPECT_TRUE(glIsEnabled(GL_LIGHT2));
}

TEST_F(CometGLTest, TextureLoadFollowsTheFilterAndMipmapRules) {
  std::vector<uint8_t> pixels(64 * 32 * 3, 200);
  const uint32_t trilinear = gl_.TextureLoad({pixels.data(), 3, 64, 32}, true, true);
  ASSERT_NE(trilinear, 0u);
  EXPECT_EQ(TextureParameter(GL_TEXTURE_MIN_FILTER), GL_LINEAR_MIPMAP_LINEAR);
  EXPECT_EQ(TextureParameter(GL_TEXTURE_MAG_FILTER), GL_LINEAR);
  GLint width = 0, internal_format = 0;
  glGetTexLevelParameteriv(GL_TEXTURE_2D, 6, GL_TEXTURE_WIDTH, &width);  // the 1 x 1 level
  EXPECT_EQ(width, 1);
  glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_INTERNAL_FORMAT, &internal_format);
  EXPECT_EQ(internal_format, 3);  // the component count itself

  gl_.TextureLoad({pixels.data(), 3, 64, 32}, false, true);
  EXPECT_EQ(TextureParameter(GL_TEXTURE_MIN_FILTER), GL_LINEAR);
  gl_.TextureLoad({pixels.data(), 4, 32, 16}, true, false);
  EXPECT_EQ(TextureParameter(GL_TEXTURE_MIN_FILTER), GL_NEAREST);
  EXPECT_EQ(TextureParameter(GL_TEXTURE_MAG_FILTER), GL_NEAREST);
  EXPECT_EQ(gl_.TextureLoad({nullptr, 3, 4, 4}, false, false), 0u);
  EXPECT_EQ(gl_.TextureLoad({pixels.data(), 2, 4, 4}, false, false), 0u);
}

TEST_F(CometGLTest, TextureLoadReadsTightlyPackedRowsOfAnyWidth) {
  // Five RGB pixels a row: 15 bytes, not a multiple of four.
  std::vector<uint8_t> pixels;
  for (int y = 0; y < 2; ++y) {
    for (int x = 0; x < 5; ++x) {
      pixels.insert(pixels.end(), {static_cast<uint8_t>(10 * x + y), 7, 9});
    }
  }
  const uint32_t name = gl_.TextureLoad({pixels.data(), 3, 5, 2}, false, false);
  EXPECT_EQ(Integer(GL_UNPACK_ALIGNMENT), 4);  // left as it was
  EXPECT_EQ(TextureImage(name, 5, 2, false), pixels);
}

TEST_F(CometGLTest, ViewportRoundsHalvesToEvenAndKeepsItsProjectionWithoutHeight) {
  gl_.Viewport(0.5, 1.5, 100.5, 60.5, 0.1, 100, 45);
  EXPECT_EQ(Integers(GL_VIEWPORT), (std::array<GLint, 4>{0, 2, 100, 60}));
  const auto projection = Floats<16>(GL_PROJECTION_MATRIX);
  gl_.Viewport(0, 0, 300, 0, 0.1, 100, 45);
  EXPECT_EQ(Floats<16>(GL_PROJECTION_MATRIX), projection);
  EXPECT_EQ(Integers(GL_VIEWPORT)[2], 100);
}

TEST_F(CometGLTest, PolygonModeAndSmoothing) {
  gl_.PolygonMode(3, 2);
  EXPECT_EQ(Integers<2>(GL_POLYGON_MODE), (std::array<GLint, 2>{GL_LINE, GL_LINE}));
  gl_.PolygonMode(4, 1);  // no such face: nothing changes
  gl_.PolygonMode(1, 9);
  EXPECT_EQ(Integers<2>(GL_POLYGON_MODE)[0], GL_LINE);
  gl_.SmoothingEnable();
  EXPECT_TRUE(glIsEnabled(GL_POLYGON_SMOOTH) && glIsEnabled(GL_LINE_SMOOTH) &&
              glIsEnabled(GL_POINT_SMOOTH));
  EXPECT_EQ(Integer(GL_LINE_SMOOTH_HINT), GL_NICEST);
  gl_.SmoothingDisable();
  EXPECT_FALSE(glIsEnabled(GL_POLYGON_SMOOTH) || glIsEnabled(GL_LINE_SMOOTH) ||
               glIsEnabled(GL_POINT_SMOOTH));
  gl_.BlendingEnable();
  EXPECT_TRUE(glIsEnabled(GL_BLEND));
  EXPECT_EQ(Integer(GL_BLEND_SRC), GL_SRC_ALPHA);
  EXPECT_EQ(Integer(GL_BLEND_DST), GL_ONE_MINUS_SRC_ALPHA);
}

TEST_F(CometGLTest, RenderToTextureCopiesTheLowerLeftPixels) {
  gl_.ClearColor(51, 102, 153);
  gl_.Clear();
  const uint32_t name = gl_.RenderToTexture(8, 4, true);
  const std::vector<uint8_t> pixels = TextureImage(name, 8, 4, false);
  EXPECT_EQ(TextureParameter(GL_TEXTURE_MIN_FILTER), GL_LINEAR);
  EXPECT_EQ(pixels[0], 51);
  EXPECT_EQ(pixels[pixels.size() - 1], 153);
  gl_.TextureDelete(name);
  EXPECT_FALSE(glIsTexture(name));
}

}  // namespace

}  // namespace kurvex::test
