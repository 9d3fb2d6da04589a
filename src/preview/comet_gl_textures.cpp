// CometGL's textures: loading, binding with coordinate generation, copying the frame.
#include <GL/gl.h>
#include <GL/glu.h>

#include <cmath>

#include "preview/comet_gl.h"
#include "preview/texture_names.h"

namespace kurvex {

namespace {

void SetFilters(GLint min_filter, GLint mag_filter) {
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, min_filter);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, mag_filter);
}

GLuint NewBoundTexture() {
  GLuint name = 0;
  glGenTextures(1, &name);
  glBindTexture(GL_TEXTURE_2D, name);
  return name;
}

}  // namespace

void CometGL::TextureSelect(const TextureRef& texture, int16_t mode) {
  TextureSelect(texture_names_ != nullptr ? texture_names_->Resolve(texture) : 0u, mode);
}

void CometGL::TextureSelect(uint32_t name, int16_t mode) {
  glBindTexture(GL_TEXTURE_2D, name);
  GLint generation = 0;
  switch (mode) {
    case 1:
      generation = GL_OBJECT_LINEAR;
      break;
    case 2:
      generation = GL_EYE_LINEAR;
      break;
    case 3:
      generation = GL_SPHERE_MAP;
      break;
    default:
      glDisable(GL_TEXTURE_GEN_S);
      glDisable(GL_TEXTURE_GEN_T);
      return;
  }
  glEnable(GL_TEXTURE_GEN_S);
  glEnable(GL_TEXTURE_GEN_T);
  glTexGeni(GL_S, GL_TEXTURE_GEN_MODE, generation);
  glTexGeni(GL_T, GL_TEXTURE_GEN_MODE, generation);
}

void CometGL::TexturesEnable() { glEnable(GL_TEXTURE_2D); }
void CometGL::TexturesDisable() { glDisable(GL_TEXTURE_2D); }

void CometGL::TexturePoint(double s, double t) { glTexCoord2d(s, t); }

uint32_t CometGL::TextureLoad(const TexturePixels& image, bool mip_map, bool linear_filtering) {
  if (image.pixels == nullptr || image.width <= 0 || image.height <= 0 ||
      (image.components != 3 && image.components != 4)) {
    return 0;
  }
  const GLuint name = NewBoundTexture();
  GLint min_filter = GL_NEAREST;
  if (linear_filtering) min_filter = mip_map ? GL_LINEAR_MIPMAP_LINEAR : GL_LINEAR;
  SetFilters(min_filter, linear_filtering ? GL_LINEAR : GL_NEAREST);
  const GLenum format = image.components == 4 ? GL_RGBA : GL_RGB;
  // Rows are tightly packed: with the default 4-byte row alignment GL would read an RGB row of
  // a width that is not a multiple of 4 past its end.
  GLint alignment = 4;
  glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  if (mip_map) {
    gluBuild2DMipmaps(GL_TEXTURE_2D, image.components, image.width, image.height, format,
                      GL_UNSIGNED_BYTE, image.pixels);
  } else {
    glTexImage2D(GL_TEXTURE_2D, 0, image.components, image.width, image.height, 0, format,
                 GL_UNSIGNED_BYTE, image.pixels);
  }
  glPixelStorei(GL_UNPACK_ALIGNMENT, alignment);
  return name;
}

void CometGL::TextureDelete(uint32_t name) {
  const GLuint gl_name = name;
  glDeleteTextures(1, &gl_name);
}

uint32_t CometGL::RenderToTexture(double width, double height, bool smooth) {
  const GLuint name = NewBoundTexture();
  const GLint filter = smooth ? GL_LINEAR : GL_NEAREST;
  SetFilters(filter, filter);
  glCopyTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, 0, 0, static_cast<GLsizei>(std::nearbyint(width)),
                   static_cast<GLsizei>(std::nearbyint(height)), 0);
  return name;
}

}  // namespace kurvex
