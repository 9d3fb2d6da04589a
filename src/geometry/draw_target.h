#pragma once
// The drawing operations the geometry builders record their display lists with. The preview's
// GL layer implements them with OpenGL 1.x calls (display lists, immediate mode); tests use a
// recorder. Colours are 0..255, angles degrees, distances preview units.

#include <cstdint>

#include "geometry/texture_ref.h"

namespace kurvex {

class DrawTarget {
 public:
  virtual ~DrawTarget() = default;

  // Opens a new list for recording and returns its name (never 0); a GL implementation uses
  // glGenLists(1) and glNewList(name, GL_COMPILE).
  virtual int32_t DisplayListBegin() = 0;
  virtual void DisplayListEnd() = 0;
  virtual void DisplayListDelete(int32_t name) = 0;
  virtual void DisplayListCall(int32_t name) = 0;

  // The DrawSub operations open a primitive that Vertex and TexturePoint fill and EndSub closes.
  virtual void DrawSubTriangleStrip() = 0;
  virtual void DrawSubLines(float line_width) = 0;
  virtual void DrawSubLineLoop(float line_width) = 0;
  virtual void DrawSubPoints(float point_width) = 0;
  virtual void EndSub() = 0;
  virtual void Vertex(double x, double y, double z) = 0;
  virtual void TexturePoint(double s, double t) = 0;

  // mode 0: explicit texture coordinates; 1 object-linear, 2 eye-linear, 3 sphere map.
  virtual void TextureSelect(const TextureRef& texture, int16_t mode) = 0;
  virtual void TexturesEnable() = 0;
  virtual void TexturesDisable() = 0;
  // 0 no culling, 1 front faces, 2 back faces, 3 both.
  virtual void Cull(int16_t faces) = 0;
  virtual void DrawColor(int r, int g, int b, int a) = 0;

  virtual void PushMatrix() = 0;
  virtual void PopMatrix() = 0;
  virtual void Translate(double x, double y, double z) = 0;
  virtual void Rotate(double degrees, double x, double y, double z) = 0;
  virtual void ScaleFactors(double x, double y, double z) = 0;
};

}  // namespace kurvex
