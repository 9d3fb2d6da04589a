#pragma once
// A DrawTarget that builds a triangle mesh of what a drawing shows, instead of pixels: display
// lists are recorded and replayed when called, the matrix stack places the vertices, triangle
// strips become triangles turned so that the side the culling leaves visible is their front,
// and the bound texture with the current colour chooses each face's material. Lines and points
// are guides, not surfaces: they are left out.

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "geometry/draw_target.h"
#include "geometry/matrix_stack.h"
#include "geometry/triangle_mesh.h"

namespace kurvex {

class MeshDrawTarget : public DrawTarget {
 public:
  // Faces drawn from here on go to this group of the mesh.
  void BeginGroup(const std::string& name) { mesh_.SelectGroup(name); }
  // Whether the drawing blends: only then does the colour's alpha reach the materials.
  void SetBlending(bool on) { blending_ = on; }

  const TriangleMesh& mesh() const { return mesh_; }

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

 private:
  enum class Op : uint8_t {
    kCall,
    kStrip,
    kOtherPrimitive,
    kEnd,
    kVertex,
    kTexturePoint,
    kTextureSelect,
    kTexturesOn,
    kTexturesOff,
    kCull,
    kColour,
    kPush,
    kPop,
    kTranslate,
    kRotate,
    kScale,
  };
  struct Call {
    Op op;
    std::array<double, 4> args;
    TextureRef texture;
    int32_t name;
  };
  enum class Primitive : uint8_t { kNone, kStrip, kOther };

  // Records the call into the open list, or carries it out when no list is open.
  void Submit(Op op, std::array<double, 4> args = {}, const TextureRef& texture = {},
              int32_t name = 0);
  void Execute(const Call& call, int depth);
  void Replay(int32_t name, int depth);
  void OpenStrip();
  void AddVertex(double x, double y, double z);
  void CloseStrip();
  MeshMaterial CurrentMaterial() const;

  std::map<int32_t, std::vector<Call>> lists_;
  int32_t next_name_ = 1;
  int32_t recording_ = 0;

  MatrixStack matrices_;
  bool textures_on_ = false;
  bool blending_ = false;
  TextureRef texture_;
  bool culling_ = false;
  int16_t culled_faces_ = 2;  // as Cull names them: 1 front, 2 back, 3 both
  std::array<uint8_t, 4> colour_{255, 255, 255, 255};
  double s_ = 0, t_ = 0;

  Primitive open_ = Primitive::kNone;
  std::vector<MeshCorner> strip_;
  MeshMaterial strip_material_;
  bool strip_textured_ = false;
  int16_t strip_culled_faces_ = 0;  // 0 none

  TriangleMesh mesh_;
};

}  // namespace kurvex
