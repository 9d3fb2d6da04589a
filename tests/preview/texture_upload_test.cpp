// The texture store uploaded into GL textures and the geometry's references resolved to them.
#include <GL/gl.h>

#include <set>
#include <utility>
#include <vector>

#include "gl_fixture.h"
#include "preview/comet_gl.h"
#include "preview/texture_names.h"

namespace kurvex::test {

namespace {

using Size = std::pair<GLint, GLint>;  // width, height

Size SizeOf(uint32_t name) {
  glBindTexture(GL_TEXTURE_2D, name);
  Size size{0, 0};
  glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &size.first);
  glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &size.second);
  return size;
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
    EXPECT_EQ(SizeOf(names_.TrackTextures(venue, 8)), Size(128, 16));
    EXPECT_EQ(SizeOf(names_.TrackTextures(venue, 11)).first, 64);
  }
  EXPECT_EQ(SizeOf(names_.ModelTextures(33)).second, 32);
  EXPECT_EQ(SizeOf(names_.ModelTextures(41)).first, 64);
  EXPECT_EQ(SizeOf(names_.HorizonTextures(110)).first, 64);
  // Unfiltered by default, and every picture's own pixels.
  const Rgb8 floor = SyntheticColours(TextureTable::kFloor, 4).left;
  const std::vector<uint8_t> texels = TextureImage(names_.FloorTextures(4), 64, 32, true);
  EXPECT_EQ(std::vector<uint8_t>(texels.begin(), texels.begin() + 4),
            (std::vector<uint8_t>{floor.r, floor.g, floor.b, 255}));
  GLint filter = 0;
  glBindTexture(GL_TEXTURE_2D, names_.ModelTextures(7));
  glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, &filter);
  EXPECT_EQ(filter, GL_NEAREST);
  // The light masks keep their alpha.
  EXPECT_EQ(TextureImage(names_.HorizonTextures(56), 64, 64, true)[3], 255);
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
  const std::pair<TextureRef, uint32_t> resolved[] = {
      {TextureRef::Track(4, 9), names_.TrackTextures(4, 9)},
      {TextureRef::Model(48), names_.ModelTextures(48)},
      {TextureRef::Feature(5), names_.FeatureTextures(5)},
      {TextureRef::Zone(1), names_.ModelTextures(31)},
      {TextureRef::Zone(2), names_.ModelTextures(33)},
      {TextureRef::Zone(3), names_.ModelTextures(34)},
      // Nothing to bind: texture 0, never a neighbour's name.
      {TextureRef::None(), 0},  {TextureRef::Track(11, 1), 0}, {TextureRef::Track(0, 12), 0},
      {TextureRef::Model(0), 0}, {TextureRef::Model(49), 0},    {TextureRef::Zone(4), 0},
  };
  for (const auto& [ref, name] : resolved) EXPECT_EQ(names_.Resolve(ref), name);
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

}  // namespace kurvex::test
