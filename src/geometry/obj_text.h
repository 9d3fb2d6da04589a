#pragma once
// A triangle mesh as Wavefront OBJ text with its MTL material library: "v", "vt" and "vn"
// lines, then each non-empty group ("g") with its faces, "usemtl" wherever the material
// changes. Texture coordinates are written with t turned (1 - t): GL puts the first stored row
// of a picture at t = 0, while a model file's pictures start at the top.

#include <string>
#include <vector>

#include "geometry/triangle_mesh.h"

namespace kurvex {

struct ObjMaterial {
  std::string name;
  double red = 1, green = 1, blue = 1;
  double opacity = 1;
  std::string texture_file;  // relative to the library; empty for a plain colour
};

// The name of a texture's material: "track-venue03-05", "model-12", "feature-02", "pit-area",
// "dart-zone" or "slip-zone"; "" for no texture.
std::string TextureMaterialName(const TextureRef& texture);

// A material as drawn, without a texture file. Its name is the texture's, or "colour", with the
// colour as hexadecimal digits (RRGGBB, then AA when below 255) unless it is opaque white on a
// texture: "model-12", "colour-ff0000", "model-06-ffffff80".
ObjMaterial DescribeMaterial(const MeshMaterial& material);

// materials: one for each of the mesh's materials, in its order.
std::string ObjText(const TriangleMesh& mesh, const std::vector<ObjMaterial>& materials,
                    const std::string& material_library, const std::string& comment);
// Each name once.
std::string MtlText(const std::vector<ObjMaterial>& materials);

}  // namespace kurvex
