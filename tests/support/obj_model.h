#pragma once
// A Wavefront OBJ model and its material library read back as an importer sees them, with
// every fault an importer would trip over collected in problems(): a face index outside its
// list, a face of other than three corners, a material used but not defined, a texture
// picture that does not exist.

#include <array>
#include <map>
#include <string>
#include <vector>

namespace kurvex::test {

using Point3 = std::array<double, 3>;

struct ObjFace {
  std::array<int, 3> v{}, vt{}, vn{};  // 0-based; vt -1 when the face has none
  std::string group, material;
};

struct ObjModel {
  std::vector<Point3> positions;
  std::vector<std::array<double, 2>> texcoords;
  std::vector<Point3> normals;
  std::vector<ObjFace> faces;
  std::map<std::string, std::string> texture_files;  // material -> map_Kd, "" for none
  std::map<std::string, double> opacity;             // material -> d
  std::vector<std::string> problems;

  // The corners' bounds.
  Point3 Low() const;
  Point3 High() const;
};

// Reads the OBJ file and the library its mtllib names, beside it.
ObjModel ReadObjModel(const std::string& obj_path);

}  // namespace kurvex::test
