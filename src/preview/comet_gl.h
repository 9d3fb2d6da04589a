#pragma once
// The drawing layer: every OpenGL and GLU call of the program goes through this class. It works
// on whatever context is current on the calling thread (the editor's widget, or a headless
// context); creating that context is its owner's job. Colours cross the interface as 0..255
// and are scaled to 0..1 here.

#include <cstdint>

#include "geometry/draw_target.h"

namespace kurvex {

class TextureNames;

// The pixels of a texture to load: rows of width x components bytes, tightly packed.
struct TexturePixels {
  const uint8_t* pixels = nullptr;
  int components = 3;  // 3 RGB, 4 RGBA
  int width = 0;
  int height = 0;
};

class CometGL : public DrawTarget {
 public:
  // Texture references of the geometry resolve through these names when they are recorded;
  // without a table (or for a texture it does not hold) texture 0 is bound.
  void SetTextureNames(const TextureNames* names) { texture_names_ = names; }

  // Sets the projection for the size and the default state on the current context; false when
  // no context is current.
  bool Initialize(int width, int height);

  // DrawTarget.
  int32_t DisplayListBegin() override;
  void DisplayListEnd() override;
  void DisplayListDelete(int32_t name) override;
  void DisplayListCall(int32_t name) override;
  void DrawSubTriangleStrip() override;
  void DrawSubLines(float line_width) override;
  void DrawSubLineLoop(float line_width) override;
  void DrawSubPoints(float point_width) override;
  void EndSub() override;
  void Vertex(double x, double y, double z) override;
  void TexturePoint(double s, double t) override;
  void TextureSelect(const TextureRef& texture, int16_t mode) override;
  void TexturesEnable() override;
  void TexturesDisable() override;
  void Cull(int16_t faces) override;
  void DrawColor(int r, int g, int b, int a) override;
  void PushMatrix() override;
  void PopMatrix() override;
  void Translate(double x, double y, double z) override;
  void Rotate(double degrees, double x, double y, double z) override;
  void ScaleFactors(double x, double y, double z) override;

  // Binds a texture by its GL name. mode 1 object-linear, 2 eye-linear, 3 sphere-map
  // coordinate generation; any other mode switches generation off.
  void TextureSelect(uint32_t name, int16_t mode);
  // A new texture from tightly packed rows; returns its name (0 when the pixels are unusable).
  uint32_t TextureLoad(const TexturePixels& image, bool mip_map, bool linear_filtering);
  void TextureDelete(uint32_t name);
  // A new texture from the lower-left width x height pixels of the colour buffer.
  uint32_t RenderToTexture(double width, double height, bool smooth);

  void FogEnable(double start, double end, int r, int g, int b);
  void FogDisable();
  void LightsOn();
  void LightsOff();
  void LightOn(int light_num);
  void LightOff(int light_num);
  void LightAmbient(int n, int r, int g, int b, int a);
  void LightDiffuse(int n, int r, int g, int b, int a);
  void LightSpecular(int n, int r, int g, int b, int a);
  void LightPos(int n, double x, double y, double z);
  void Normal(double x, double y, double z);

  // face 1 front, 2 back, 3 both; mode 1 fill, 2 line, 3 point. Other values change nothing.
  void PolygonMode(int face, int mode);
  void Clear();
  void ClearColor(int r, int g, int b);
  // Waits until every drawing call so far has reached the framebuffer.
  void Finish();

  // A width or height of 0 or less keeps the previous viewport and projection.
  void Viewport(double x, double y, double width, double height, double near_plane,
                double far_plane, double fovy);
  // Leaves the previous projection pushed on the projection stack.
  void ViewportOrtho(double x, double y, double width, double height);
  void DepthTestEnable();
  void DepthTestDisable();
  void BlendingEnable();
  void BlendingDisable();
  void SmoothingEnable();
  void SmoothingDisable();

 private:
  const TextureNames* texture_names_ = nullptr;
};

}  // namespace kurvex
