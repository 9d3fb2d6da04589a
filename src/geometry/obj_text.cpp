#include "geometry/obj_text.h"

#include <cstdio>
#include <set>

#include "rom/texture_export.h"

namespace kurvex {

namespace {

std::string Hex(int value) {
  char text[8];
  std::snprintf(text, sizeof text, "%02x", value & 0xFF);
  return text;
}

// Six decimals (a thousandth of a course unit in preview units), without trailing zeros.
void AppendNumber(std::string& out, double value) {
  char text[512];  // room for the largest double in fixed notation
  std::snprintf(text, sizeof text, "%.6f", value);
  std::string number = text;
  const size_t last = number.find_last_not_of('0');
  number.erase(number[last] == '.' ? last : last + 1);
  if (number == "-0") number = "0";
  out += ' ';
  out += number;
}

void AppendLine(std::string& out, const char* tag, std::initializer_list<double> values) {
  out += tag;
  for (double value : values) AppendNumber(out, value);
  out += '\n';
}

void AppendFace(std::string& out, const MeshFace& face) {
  out += 'f';
  for (int k = 0; k < 3; ++k) {
    // OBJ indices count from 1.
    out += ' ' + std::to_string(face.positions[k] + 1) + '/';
    if (face.texcoords[k] >= 0) out += std::to_string(face.texcoords[k] + 1);
    out += '/' + std::to_string(face.normal + 1);
  }
  out += '\n';
}

}  // namespace

std::string TextureMaterialName(const TextureRef& texture) {
  switch (texture.kind) {
    case TextureRef::kTrack:
      return TrackTextureName(texture.venue, texture.index);
    case TextureRef::kModel:
      return ModelTextureName(texture.index);
    case TextureRef::kFeature:
      return FeatureTextureName(texture.index);
    case TextureRef::kZone:
      switch (texture.index) {
        case 1:
          return "pit-area";
        case 2:
          return "dart-zone";
        case 3:
          return "slip-zone";
        default:
          return "zone-" + std::to_string(texture.index);
      }
    default:
      return "";
  }
}

ObjMaterial DescribeMaterial(const MeshMaterial& material) {
  ObjMaterial described;
  described.name = TextureMaterialName(material.texture);
  const bool plain_white =
      material.r == 255 && material.g == 255 && material.b == 255 && material.a == 255;
  if (described.name.empty()) {
    described.name = "colour-" + Hex(material.r) + Hex(material.g) + Hex(material.b);
    if (material.a != 255) described.name += Hex(material.a);
  } else if (!plain_white) {
    described.name += "-" + Hex(material.r) + Hex(material.g) + Hex(material.b);
    if (material.a != 255) described.name += Hex(material.a);
  }
  described.red = material.r / 255.0;
  described.green = material.g / 255.0;
  described.blue = material.b / 255.0;
  described.opacity = material.a / 255.0;
  return described;
}

std::string ObjText(const TriangleMesh& mesh, const std::vector<ObjMaterial>& materials,
                    const std::string& material_library, const std::string& comment) {
  std::string out;
  out.reserve(mesh.positions().size() * 40 + mesh.FaceCount() * 60);
  out += "# " + comment + "\n";
  out += "mtllib " + material_library + "\n";
  for (const Vec3& p : mesh.positions()) AppendLine(out, "v", {p.x, p.y, p.z});
  for (const TexCoord& c : mesh.texcoords()) AppendLine(out, "vt", {c.s, 1 - c.t});
  for (const Vec3& n : mesh.normals()) AppendLine(out, "vn", {n.x, n.y, n.z});
  for (const MeshGroup& group : mesh.groups()) {
    if (group.faces.empty()) continue;
    out += "g " + group.name + "\n";
    int material = -1;
    for (const MeshFace& face : group.faces) {
      if (face.material != material) {
        material = face.material;
        const bool described = static_cast<size_t>(material) < materials.size();
        out += "usemtl " +
               (described ? materials[material].name
                          : DescribeMaterial(mesh.materials()[material]).name) +
               "\n";
      }
      AppendFace(out, face);
    }
  }
  return out;
}

std::string MtlText(const std::vector<ObjMaterial>& materials) {
  std::string out;
  std::set<std::string> written;
  for (const ObjMaterial& material : materials) {
    if (!written.insert(material.name).second) continue;
    out += "newmtl " + material.name + "\n";
    AppendLine(out, "Kd", {material.red, material.green, material.blue});
    AppendLine(out, "Ks", {0, 0, 0});
    AppendLine(out, "d", {material.opacity});
    out += "illum 1\n";
    if (!material.texture_file.empty()) out += "map_Kd " + material.texture_file + "\n";
    out += "\n";
  }
  return out;
}

}  // namespace kurvex
