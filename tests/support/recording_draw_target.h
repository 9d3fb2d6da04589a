#pragma once
// A DrawTarget that keeps every call with its arguments, the calls recorded into each display
// list, and can replay a list's primitives as transformed vertices. Misuse of the interface
// (nested lists, vertices outside a primitive, unbalanced matrices, deleting an unknown list)
// is collected in errors().

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "geometry/draw_target.h"
#include "geometry/vec3.h"

namespace kurvex {

// The matrix operations come last.
enum class DrawOp {
  kDisplayListDelete,
  kDisplayListCall,
  kDrawSubTriangleStrip,
  kDrawSubLines,
  kDrawSubLineLoop,
  kDrawSubPoints,
  kEndSub,
  kVertex,
  kTexturePoint,
  kTextureSelect,
  kTexturesEnable,
  kTexturesDisable,
  kCull,
  kDrawColor,
  kPushMatrix,
  kPopMatrix,
  kTranslate,
  kRotate,
  kScaleFactors,
};

struct DrawCall {
  DrawOp op = DrawOp::kVertex;
  double args[4] = {0, 0, 0, 0};  // numeric arguments in the interface's order
  TextureRef texture;             // TextureSelect
  int32_t name = 0;               // list name of Delete and Call
};

struct RecordedVertex {
  Vec3 position;  // after the replay's matrices
  Vec3 local;     // as recorded
  double s = 0, t = 0;
  bool has_texture_point = false;  // a TexturePoint came before it, here or earlier
  TextureRef texture;              // the texture bound when it was drawn
};

struct RecordedPrimitive {
  DrawOp kind;  // one of the DrawSub operations
  double width = 0;
  std::vector<RecordedVertex> vertices;
};

class RecordingDrawTarget : public DrawTarget {
 public:
  int32_t DisplayListBegin() override;
  void DisplayListEnd() override;
  void DisplayListDelete(int32_t name) override;
  void DisplayListCall(int32_t name) override { Record(DrawOp::kDisplayListCall, {}, name); }
  void DrawSubTriangleStrip() override { Open(DrawOp::kDrawSubTriangleStrip, 0); }
  void DrawSubLines(float line_width) override { Open(DrawOp::kDrawSubLines, line_width); }
  void DrawSubLineLoop(float line_width) override { Open(DrawOp::kDrawSubLineLoop, line_width); }
  void DrawSubPoints(float point_width) override { Open(DrawOp::kDrawSubPoints, point_width); }
  void EndSub() override;
  void Vertex(double x, double y, double z) override;
  void TexturePoint(double s, double t) override;
  void TextureSelect(const TextureRef& texture, int16_t mode) override;
  void TexturesEnable() override { Record(DrawOp::kTexturesEnable); }
  void TexturesDisable() override { Record(DrawOp::kTexturesDisable); }
  void Cull(int16_t faces) override { Record(DrawOp::kCull, {double(faces)}); }
  void DrawColor(int r, int g, int b, int a) override {
    Record(DrawOp::kDrawColor, {double(r), double(g), double(b), double(a)});
  }
  void PushMatrix() override;
  void PopMatrix() override;
  void Translate(double x, double y, double z) override { Record(DrawOp::kTranslate, {x, y, z}); }
  void Rotate(double degrees, double x, double y, double z) override {
    Record(DrawOp::kRotate, {degrees, x, y, z});
  }
  void ScaleFactors(double x, double y, double z) override {
    Record(DrawOp::kScaleFactors, {x, y, z});
  }

  // The calls recorded into a list (its latest recording).
  const std::vector<DrawCall>& List(int32_t name) const;
  bool IsLive(int32_t name) const;
  int LiveListCount() const;
  const std::vector<std::string>& errors() const { return errors_; }

  // Replays a live list from the identity matrix, following DisplayListCall into other live
  // lists, and returns its primitives with their vertices in world coordinates.
  std::vector<RecordedPrimitive> Primitives(int32_t name) const;
  // The calls of a list with the given operation.
  std::vector<DrawCall> CallsOf(int32_t name, DrawOp op) const;
  // Number of vertices the list draws, including called lists.
  int VertexCount(int32_t name) const;

 private:
  void Record(DrawOp op, std::array<double, 4> args = {}, int32_t name = 0,
              const TextureRef& texture = TextureRef());
  void Open(DrawOp op, double width);  // a primitive

  std::map<int32_t, std::vector<DrawCall>> lists_;
  std::map<int32_t, bool> live_;
  std::vector<std::string> errors_;
  int32_t next_name_ = 1;
  int32_t recording_ = 0;
  bool in_primitive_ = false;
  int matrix_depth_ = 0;
};

}  // namespace kurvex
