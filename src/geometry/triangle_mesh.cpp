#include "geometry/triangle_mesh.h"

#include <functional>
#include <tuple>

namespace kurvex {

namespace {

// -0 and 0 are one coordinate.
double Plain(double v) { return v + 0.0; }

Vec3 Cross(const Vec3& a, const Vec3& b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

// The unit normal of the counter-clockwise side; a triangle whose corners lie on one line has
// none, and gets the up direction so that every face has a usable normal.
Vec3 FaceNormal(const Vec3& a, const Vec3& b, const Vec3& c) {
  const Vec3 n = Cross(b - a, c - a);
  const double length = Length(n);
  if (!(length > 0) || !std::isfinite(length)) return {0, 1, 0};
  return n / length;
}

}  // namespace

bool operator<(const MeshMaterial& x, const MeshMaterial& y) {
  return std::make_tuple(x.texture.kind, x.texture.venue, x.texture.index, x.r, x.g, x.b, x.a) <
         std::make_tuple(y.texture.kind, y.texture.venue, y.texture.index, y.r, y.g, y.b, y.a);
}

size_t TriangleMesh::KeyHash::operator()(const Key& k) const {
  const std::hash<double> hash;
  size_t h = hash(k.x);
  h = h * 31 + hash(k.y);
  return h * 31 + hash(k.z);
}

int TriangleMesh::Index(const Key& key, std::unordered_map<Key, int, KeyHash>& index) {
  const auto inserted = index.emplace(key, static_cast<int>(index.size()));
  return inserted.first->second;
}

int TriangleMesh::PositionIndex(const Vec3& p) {
  const Key key{Plain(p.x), Plain(p.y), Plain(p.z)};
  const int n = Index(key, position_index_);
  if (n == static_cast<int>(positions_.size())) positions_.push_back({key.x, key.y, key.z});
  return n;
}

int TriangleMesh::TexCoordIndex(double s, double t) {
  const Key key{Plain(s), Plain(t), 0};
  const int n = Index(key, texcoord_index_);
  if (n == static_cast<int>(texcoords_.size())) texcoords_.push_back({key.x, key.y});
  return n;
}

int TriangleMesh::NormalIndex(const Vec3& v) {
  const Key key{Plain(v.x), Plain(v.y), Plain(v.z)};
  const int n = Index(key, normal_index_);
  if (n == static_cast<int>(normals_.size())) normals_.push_back({key.x, key.y, key.z});
  return n;
}

int TriangleMesh::MaterialIndex(const MeshMaterial& material) {
  const auto inserted = material_index_.emplace(material, static_cast<int>(materials_.size()));
  if (inserted.second) materials_.push_back(material);
  return inserted.first->second;
}

void TriangleMesh::SelectGroup(const std::string& name) {
  const auto inserted = group_index_.emplace(name, static_cast<int>(groups_.size()));
  if (inserted.second) groups_.push_back({name, {}});
  group_ = inserted.first->second;
}

bool TriangleMesh::AddTriangle(const std::array<MeshCorner, 3>& corners,
                               const MeshMaterial& material, bool textured) {
  for (const MeshCorner& corner : corners) {
    const Vec3& p = corner.position;
    if (!std::isfinite(p.x + p.y + p.z + corner.s + corner.t)) return false;
  }
  MeshFace face;
  for (int k = 0; k < 3; ++k) face.positions[k] = PositionIndex(corners[k].position);
  if (face.positions[0] == face.positions[1] || face.positions[1] == face.positions[2] ||
      face.positions[0] == face.positions[2]) {
    return false;
  }
  if (textured) {
    for (int k = 0; k < 3; ++k) face.texcoords[k] = TexCoordIndex(corners[k].s, corners[k].t);
  }
  face.normal =
      NormalIndex(FaceNormal(corners[0].position, corners[1].position, corners[2].position));
  face.material = MaterialIndex(material);
  if (group_ < 0) SelectGroup("model");
  groups_[group_].faces.push_back(face);
  return true;
}

size_t TriangleMesh::FaceCount() const {
  size_t count = 0;
  for (const MeshGroup& group : groups_) count += group.faces.size();
  return count;
}

}  // namespace kurvex
