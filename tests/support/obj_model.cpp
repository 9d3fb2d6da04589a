#include "obj_model.h"

#include <filesystem>
#include <fstream>
#include <limits>
#include <set>
#include <sstream>

namespace kurvex::test {

namespace {

namespace fs = std::filesystem;

// An index of an "a/b/c" corner part: 1-based in the file, -1 when empty.
int Index(const std::string& text) { return text.empty() ? -1 : std::stoi(text) - 1; }

bool InRange(int index, size_t count) { return index >= 0 && static_cast<size_t>(index) < count; }

void ReadLibrary(const fs::path& path, ObjModel& model) {
  std::ifstream in(path);
  if (!in) {
    model.problems.push_back("no material library " + path.string());
    return;
  }
  std::string line, current;
  while (std::getline(in, line)) {
    std::istringstream words(line);
    std::string tag, value;
    words >> tag >> value;
    if (tag == "newmtl") {
      current = value;
      if (model.texture_files.count(current)) model.problems.push_back("twice: " + current);
      model.texture_files[current] = "";
      model.opacity[current] = 1;
    } else if (tag == "map_Kd") {
      model.texture_files[current] = value;
      if (!fs::exists(path.parent_path() / value)) model.problems.push_back("no file " + value);
    } else if (tag == "d") {
      model.opacity[current] = std::stod(value);
    }
  }
}

void CheckFace(const ObjModel& model, const ObjFace& face, std::vector<std::string>& problems) {
  for (int k = 0; k < 3; ++k) {
    if (!InRange(face.v[k], model.positions.size()) || !InRange(face.vn[k], model.normals.size()) ||
        (face.vt[k] != -1 && !InRange(face.vt[k], model.texcoords.size()))) {
      problems.push_back("face index out of range in " + face.group);
    }
  }
  if (!model.texture_files.count(face.material)) {
    problems.push_back("undefined material '" + face.material + "'");
  }
}

}  // namespace

Point3 ObjModel::Low() const {
  Point3 low;
  low.fill(std::numeric_limits<double>::infinity());
  for (const ObjFace& face : faces) {
    for (int v : face.v) {
      for (int k = 0; k < 3; ++k) low[k] = std::min(low[k], positions[v][k]);
    }
  }
  return low;
}

Point3 ObjModel::High() const {
  Point3 high;
  high.fill(-std::numeric_limits<double>::infinity());
  for (const ObjFace& face : faces) {
    for (int v : face.v) {
      for (int k = 0; k < 3; ++k) high[k] = std::max(high[k], positions[v][k]);
    }
  }
  return high;
}

ObjModel ReadObjModel(const std::string& obj_path) {
  ObjModel model;
  std::ifstream in(obj_path);
  if (!in) {
    model.problems.push_back("no file " + obj_path);
    return model;
  }
  std::string line, group = "default", material;
  std::vector<std::string> libraries;
  while (std::getline(in, line)) {
    std::istringstream words(line);
    std::string tag;
    words >> tag;
    if (tag == "v" || tag == "vn") {
      Point3 p{};
      words >> p[0] >> p[1] >> p[2];
      if (!words) model.problems.push_back("bad line: " + line);
      (tag == "v" ? model.positions : model.normals).push_back(p);
    } else if (tag == "vt") {
      std::array<double, 2> c{};
      words >> c[0] >> c[1];
      if (!words) model.problems.push_back("bad line: " + line);
      model.texcoords.push_back(c);
    } else if (tag == "g") {
      words >> group;
    } else if (tag == "usemtl") {
      words >> material;
    } else if (tag == "mtllib") {
      std::string name;
      words >> name;
      libraries.push_back(name);
    } else if (tag == "f") {
      ObjFace face{{}, {}, {}, group, material};
      std::vector<std::string> corners;
      for (std::string corner; words >> corner;) corners.push_back(corner);
      if (corners.size() != 3) {
        model.problems.push_back("not a triangle: " + line);
        continue;
      }
      for (int k = 0; k < 3; ++k) {
        const std::string& corner = corners[k];
        const size_t a = corner.find('/'), b = corner.find('/', a + 1);
        if (a == std::string::npos || b == std::string::npos) {
          model.problems.push_back("corner without normal: " + line);
          break;
        }
        face.v[k] = Index(corner.substr(0, a));
        face.vt[k] = Index(corner.substr(a + 1, b - a - 1));
        face.vn[k] = Index(corner.substr(b + 1));
      }
      model.faces.push_back(face);
    } else if (!tag.empty() && tag[0] != '#') {
      model.problems.push_back("unknown line: " + line);
    }
  }
  if (libraries.size() != 1) model.problems.push_back("not one mtllib");
  for (const std::string& name : libraries) {
    ReadLibrary(fs::path(obj_path).parent_path() / name, model);
  }
  std::vector<std::string> face_problems;
  for (const ObjFace& face : model.faces) CheckFace(model, face, face_problems);
  // One of each kind is enough to read.
  const std::set<std::string> distinct(face_problems.begin(), face_problems.end());
  model.problems.insert(model.problems.end(), distinct.begin(), distinct.end());
  return model;
}

}  // namespace kurvex::test
