#pragma once
// A drawing target that only counts calls, standing in for the GL layer where the work of
// building lists is measured.

#include <cstdint>

#include "geometry/draw_target.h"

namespace kurvex::test {

class CountingDrawTarget : public DrawTarget {
 public:
  int32_t DisplayListBegin() override { return ++lists_; }
  void DisplayListEnd() override {}
  void DisplayListDelete(int32_t) override {}
  void DisplayListCall(int32_t) override { ++calls_; }
  void DrawSubTriangleStrip() override { ++calls_; }
  void DrawSubLines(float) override { ++calls_; }
  void DrawSubLineLoop(float) override { ++calls_; }
  void DrawSubPoints(float) override { ++calls_; }
  void EndSub() override {}
  void Vertex(double, double, double) override { ++vertices_; }
  void TexturePoint(double, double) override { ++calls_; }
  void TextureSelect(const TextureRef&, int16_t) override { ++calls_; }
  void TexturesEnable() override { ++calls_; }
  void TexturesDisable() override { ++calls_; }
  void Cull(int16_t) override { ++calls_; }
  void DrawColor(int, int, int, int) override { ++calls_; }
  void PushMatrix() override { ++calls_; }
  void PopMatrix() override { ++calls_; }
  void Translate(double, double, double) override { ++calls_; }
  void Rotate(double, double, double, double) override { ++calls_; }
  void ScaleFactors(double, double, double) override { ++calls_; }

  int64_t vertices() const { return vertices_; }

 private:
  int32_t lists_ = 0;
  int64_t calls_ = 0;
  int64_t vertices_ = 0;
};

}  // namespace kurvex::test
