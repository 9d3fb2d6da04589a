// The texture store uploaded into GL textures and the geometry's references resolved to them.
#include <GL/gl.h>

#include <set>
#include <vector>

#include "gl_fixture.h"
#include "preview/comet_gl.h"
#include "preview/texture_names.h"
#include "synthetic_textures.h"

namespace kurvex::testing {

namespace {

struct Size {
  int width, height;
};

Size SizeOf(uint32_t name) {
  glBindTexture(GL_TEXTURE_2D, name);
  Size size{0, 0};
  glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &size.width);
  glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &size.height);
  return size;
}

// The first texel of a texture.
std::vector<uint8_t> FirstTexel(uint32_t name, int width, int height) {
  glBindTexture(GL_TEXTURE_2D, name);
  std::vector<uint8_t> pixels(static_cast<size_t>(width) * height * 4);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
  return {pixels.begin(), pixels.begin() + 4};
}

class TextureUploadTest : public GlTest {
 protected:
  void SetUp() override {
    GlTest::SetUp();
    ASSERT_TRUE(gl_.Initialize(kPictureWidth, kPictureHeight));
    store_ = MakeSyntheticTextureStore();
  }
  CometGL gl_;
  TextureNames names_;
  TextureStore store_;
};

TEST_F(TextureUploadTest, EveryPictureOfTheStoreBecomesOneTextureOfItsSize) {
  UploadTextures(store_, false, gl_, names_);
  std::set<uint32_t> distinct;
  names_.ForEach([&](uint32_t name) {
    if (name != 0) distinct.insert(name);
  });
  EXPECT_EQ(distinct.size(), 294u);
  for (int venue = 0; venue <= 10; ++venue) {
    const Size eight = SizeOf(names_.TrackTextures(venue, 8));
    EXPECT_EQ(eight.width, 128);
    EXPECT_EQ(eight.height, 16);
    EXPECT_EQ(SizeOf(names_.TrackTextures(venue, 11)).width, 64);
  }
  EXPECT_EQ(SizeOf(names_.ModelTextures(33)).height, 32);
  EXPECT_EQ(SizeOf(names_.ModelTextures(41)).width, 64);
  EXPECT_EQ(SizeOf(names_.HorizonTextures(110)).width, 64);
  // Unfiltered by default, and every picture's own pixels.
  EXPECT_EQ(FirstTexel(names_.FloorTextures(4), 64, 32),
            (std::vector<uint8_t>{SyntheticColours(TextureTable::kFloor, 4).left.r,
                                  SyntheticColours(TextureTable::kFloor, 4).left.g,
                                  SyntheticColours(TextureTable::kFloor, 4).left.b, 255}));
  GLint filter = 0;
  glBindTexture(GL_TEXTURE_2D, names_.ModelTextures(7));
  glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, &filter);
  EXPECT_EQ(filter, GL_NEAREST);
  // The light masks keep their alpha.
  EXPECT_EQ(FirstTexel(names_.HorizonTextures(56), 64, 64)[3], 255);
  EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(TextureUploadTest, UploadAgainReplacesAndDeleteFreesEveryName) {
  UploadTextures(store_, false, gl_, names_);
  const uint32_t old_floor = names_.FloorTextures(1);
  // Again, with the "Texture Filtering" setting on.
  UploadTextures(store_, true, gl_, names_);
  EXPECT_FALSE(glIsTexture(old_floor) && old_floor != names_.FloorTextures(1));
  GLint filter = 0;
  glBindTexture(GL_TEXTURE_2D, names_.TrackTextures(3, 2));
  glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &filter);
  EXPECT_EQ(filter, GL_LINEAR);
  std::vector<uint32_t> live;
  names_.ForEach([&](uint32_t name) { live.push_back(name); });
  DeleteTextures(gl_, names_);
  EXPECT_TRUE(names_.Empty());
  for (uint32_t name : live) EXPECT_FALSE(glIsTexture(name));
}

TEST_F(TextureUploadTest, ReferencesResolveToTheirTables) {
  UploadTextures(store_, false, gl_, names_);
  EXPECT_EQ(names_.Resolve(TextureRef::Track(4, 9)), names_.TrackTextures(4, 9));
  EXPECT_EQ(names_.Resolve(TextureRef::Model(48)), names_.ModelTextures(48));
  EXPECT_EQ(names_.Resolve(TextureRef::Feature(5)), names_.FeatureTextures(5));
  EXPECT_EQ(names_.Resolve(TextureRef::Zone(1)), names_.ModelTextures(31));
  EXPECT_EQ(names_.Resolve(TextureRef::Zone(2)), names_.ModelTextures(33));
  EXPECT_EQ(names_.Resolve(TextureRef::Zone(3)), names_.ModelTextures(34));
  // Nothing to bind: texture 0, never a neighbour's name.
  EXPECT_EQ(names_.Resolve(TextureRef::None()), 0u);
  EXPECT_EQ(names_.Resolve(TextureRef::Track(11, 1)), 0u);
  EXPECT_EQ(names_.Resolve(TextureRef::Track(0, 12)), 0u);
  EXPECT_EQ(names_.Resolve(TextureRef::Model(0)), 0u);
  EXPECT_EQ(names_.Resolve(TextureRef::Model(49)), 0u);
  EXPECT_EQ(names_.Resolve(TextureRef::Zone(4)), 0u);
  EXPECT_EQ(names_.HorizonTextures(111), 0u);

  // A list recorded through the drawing layer binds the resolved name.
  gl_.SetTextureNames(&names_);
  gl_.TextureSelect(TextureRef::Model(20), 0);
  GLint bound = 0;
  glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
  EXPECT_EQ(static_cast<uint32_t>(bound), names_.ModelTextures(20));
  gl_.SetTextureNames(nullptr);
  gl_.TextureSelect(TextureRef::Model(20), 0);
  glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
  EXPECT_EQ(bound, 0);
}

}  // namespace

}  // namespace kurvex::testing
