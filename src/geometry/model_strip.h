#pragma once
// Helpers for the model tables: a strip is an array of vertices, each with or without its own
// texture coordinates (without, it keeps the previous vertex's).

#include <cstddef>

#include "geometry/draw_target.h"

namespace kurvex {
namespace model {

struct ModelVertex {
  bool textured;
  double s, t;
  double x, y, z;
};

constexpr ModelVertex T(double s, double t, double x, double y, double z) {
  return {true, s, t, x, y, z};
}
constexpr ModelVertex V(double x, double y, double z) { return {false, 0, 0, x, y, z}; }

constexpr double kSin60 = 0.86602540378443864676;

template <size_t N>
void Strip(DrawTarget& gl, const ModelVertex (&vertices)[N]) {
  gl.DrawSubTriangleStrip();
  for (const ModelVertex& v : vertices) {
    if (v.textured) gl.TexturePoint(v.s, v.t);
    gl.Vertex(v.x, v.y, v.z);
  }
  gl.EndSub();
}

inline void Select(DrawTarget& gl, int model_texture) {
  gl.TextureSelect(TextureRef::Model(model_texture), 0);
}

// Gates, structures, decorations and plates; each records one model into the open list.
void NormalGate(DrawTarget& gl);
void StartingGate(DrawTarget& gl);
void Canopy(DrawTarget& gl);
void VenueSkyscraper(DrawTarget& gl);
void ShortBuilding(DrawTarget& gl);
void PyramidStructure(DrawTarget& gl);
void Pinnacle(DrawTarget& gl);
void OrangeSkyscraper(DrawTarget& gl);
void TvBillboard(DrawTarget& gl);
void Flag(DrawTarget& gl);
void SpinnerFixed(DrawTarget& gl);
void SpinnerTurning(DrawTarget& gl);
void MonitorFixed(DrawTarget& gl);
void MonitorTurning(DrawTarget& gl);
void DashPlate(DrawTarget& gl);
void JumpPlate(DrawTarget& gl);
void TrapField(DrawTarget& gl);

}  // namespace model
}  // namespace kurvex
