#pragma once
// Triangles as a model file keeps them: shared positions, texture coordinates and normals,
// faces in named groups, each face with its material.

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <unordered_map>
#include <vector>

#include "geometry/texture_ref.h"
#include "geometry/vec3.h"

namespace kurvex {

// How a face looks: its texture (None for a plain colour) and its drawing colour, whose alpha
// is below 255 only where the drawing blended.
struct MeshMaterial {
  TextureRef texture;
  uint8_t r = 255, g = 255, b = 255, a = 255;
};
bool operator<(const MeshMaterial& x, const MeshMaterial& y);

struct MeshCorner {
  Vec3 position;
  double s = 0, t = 0;
};

struct MeshFace {
  std::array<int, 3> positions{};
  std::array<int, 3> texcoords{-1, -1, -1};  // -1: the face has no texture coordinates
  int normal = 0;
  int material = 0;
};

struct MeshGroup {
  std::string name;
  std::vector<MeshFace> faces;
};

struct TexCoord {
  double s = 0, t = 0;
};

class TriangleMesh {
 public:
  // Faces from here on go to the named group; a name used before continues its group.
  void SelectGroup(const std::string& name);

  // Adds the triangle a, b, c whose front side is the counter-clockwise one, with its face
  // normal, and with texture coordinates when textured. A triangle with two corners at one
  // point has no area and no direction, one with a coordinate that is not finite no place:
  // either is left out and the result is false.
  bool AddTriangle(const std::array<MeshCorner, 3>& corners, const MeshMaterial& material,
                   bool textured);

  const std::vector<Vec3>& positions() const { return positions_; }
  const std::vector<TexCoord>& texcoords() const { return texcoords_; }
  const std::vector<Vec3>& normals() const { return normals_; }
  const std::vector<MeshMaterial>& materials() const { return materials_; }
  const std::vector<MeshGroup>& groups() const { return groups_; }
  size_t FaceCount() const;

 private:
  struct Key {
    double x, y, z;
    bool operator==(const Key& o) const { return x == o.x && y == o.y && z == o.z; }
  };
  struct KeyHash {
    size_t operator()(const Key& k) const;
  };
  static int Index(const Key& key, std::unordered_map<Key, int, KeyHash>& index);

  int PositionIndex(const Vec3& p);
  int TexCoordIndex(double s, double t);
  int NormalIndex(const Vec3& n);
  int MaterialIndex(const MeshMaterial& material);

  std::vector<Vec3> positions_;
  std::vector<TexCoord> texcoords_;
  std::vector<Vec3> normals_;
  std::vector<MeshMaterial> materials_;
  std::vector<MeshGroup> groups_;
  int group_ = -1;
  std::unordered_map<Key, int, KeyHash> position_index_, texcoord_index_, normal_index_;
  std::map<MeshMaterial, int> material_index_;
  std::map<std::string, int> group_index_;
};

}  // namespace kurvex
