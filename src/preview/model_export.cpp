#include "preview/model_export.h"

#include <cstdio>
#include <filesystem>
#include <map>
#include <vector>

#include "course/file_io.h"
#include "course/message.h"
#include "geometry/course_lists.h"
#include "geometry/geometry_result.h"
#include "geometry/obj_text.h"
#include "geometry/prepared_course.h"
#include "preview/settings_switches.h"
#include "preview/zone_texture.h"
#include "rom/png_writer.h"

namespace kurvex {

namespace {

namespace fs = std::filesystem;

std::string TwoDigits(int n) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d", n);
  return text;
}

// Puts each part's faces into its own group and blends the see-through exteriors.
class MeshGroups : public CourseWalkListener {
 public:
  explicit MeshGroups(MeshDrawTarget& mesh) : mesh_(mesh) {}
  void PartBegin(int i, CoursePart part) override { mesh_.BeginGroup(ModelGroupName(i, part)); }
  void ExteriorsBegin(bool blended) override { mesh_.SetBlending(blended); }
  void ExteriorsEnd() override { mesh_.SetBlending(false); }

 private:
  MeshDrawTarget& mesh_;
};

struct TexturePicture {
  std::string file;  // as kurvex-cli textures --png names it
  TextureImage image;
};

// The picture a texture reference shows, as the preview's texture tables resolve it.
TexturePicture PictureOf(const TextureRef& texture, const TextureStore& store) {
  switch (texture.kind) {
    case TextureRef::kTrack:
      return {"track-venue" + TwoDigits(texture.venue) + "-" + TwoDigits(texture.index) + ".png",
              store.TrackTexture(texture.venue, texture.index)};
    case TextureRef::kModel:
      return {"model-" + TwoDigits(texture.index) + ".png", store.ModelTexture(texture.index)};
    case TextureRef::kFeature:
      return {"feature-" + TwoDigits(texture.index) + ".png", store.FeatureTexture(texture.index)};
    case TextureRef::kZone: {
      const int k = ZoneModelTexture(texture.index);
      return {"model-" + TwoDigits(k) + ".png", store.ModelTexture(k)};
    }
    default:
      return {};
  }
}

// The materials of the mesh, and the pictures they show, each once, by file name.
void DescribeMaterials(const TriangleMesh& mesh, const TextureStore* textures,
                       std::vector<ObjMaterial>* materials,
                       std::map<std::string, TextureImage>* pictures) {
  for (const MeshMaterial& material : mesh.materials()) {
    ObjMaterial described = DescribeMaterial(material);
    if (textures != nullptr && material.texture.kind != TextureRef::kNone) {
      TexturePicture picture = PictureOf(material.texture, *textures);
      if (picture.image.Valid()) {
        described.texture_file = picture.file;
        pictures->emplace(picture.file, std::move(picture.image));
      }
    }
    materials->push_back(described);
  }
}

// False with *detail (the file and the reason) when one cannot be written.
bool WritePictures(const std::map<std::string, TextureImage>& pictures, const fs::path& folder,
                   const InputFiles& inputs, std::string* detail) {
  for (const auto& [file, image] : pictures) {
    if (!WritePng((folder / file).u8string(), image.pixels, image.width, image.height,
                  image.channels, detail, inputs)) {
      return false;
    }
  }
  return true;
}

}  // namespace

Message ModelExportMessage(int16_t result, const std::string& detail) {
  switch (result) {
    case kModelExportOk:
      return {};
    case kModelExportBadCourse:
      return MakeMessage("Error: Course cannot be drawn", {detail});
    case kModelExportWriteFailed:
      return MakeMessage("Error: File access error", {"The model could not be written:", detail});
    default:
      return MakeMessage("Error: An unknown error has occurred.", {detail});
  }
}

std::string ModelGroupName(int i, CoursePart part) {
  static const char* const kParts[] = {"surface", "no_track", "zones",
                                       "plates",  "models",   "exterior"};
  return "span" + TwoDigits(i) + "_" + kParts[static_cast<int>(part)];
}

int16_t BuildCourseMesh(const Course& course, const GraphicsSettings& settings,
                        MeshDrawTarget& mesh) {
  PreparedCourse prepared;
  const int16_t result = PrepareCourse(course, settings.segment_distance, prepared);
  if (result != kGeometryOk) return result;
  CourseDisplayLists lists;
  lists.BuildModelLists(mesh);
  const int16_t built = lists.BuildAllLists(course, prepared, FeatureSwitchesOf(settings), mesh);
  if (built != kGeometryOk) return built;
  MeshGroups groups(mesh);
  DrawCourseParts(mesh, {course, prepared, lists, settings, 0.0}, groups);
  return kGeometryOk;
}

int16_t ExportCourseModel(const Course& course, const TextureStore* textures,
                          const GraphicsSettings& settings, const std::string& obj_path,
                          std::string* detail, const InputFiles& inputs) {
  std::string why;
  MeshDrawTarget mesh;
  const int16_t built = BuildCourseMesh(course, settings, mesh);
  if (built != kGeometryOk) {
    if (detail != nullptr) *detail = GeometryResultText(built);
    return kModelExportBadCourse;
  }
  // Paths are UTF-8 throughout, on every system.
  const fs::path obj = fs::u8path(obj_path);
  const fs::path library = fs::path(obj).replace_extension(".mtl");
  std::vector<ObjMaterial> materials;
  std::map<std::string, TextureImage> pictures;
  DescribeMaterials(mesh.mesh(), textures, &materials, &pictures);
  std::vector<std::string> targets = {library.u8string(), obj.u8string()};
  for (const auto& picture : pictures)
    targets.push_back((obj.parent_path() / picture.first).u8string());
  if (!NoInputAmong(targets, inputs, &why) ||
      !WritePictures(pictures, obj.parent_path(), inputs, &why) ||
      !WriteFileAtomically(library.u8string(), MtlText(materials), &why, inputs)) {
    if (detail != nullptr) *detail = why;
    return kModelExportWriteFailed;
  }
  const std::string text =
      ObjText(mesh.mesh(), materials, library.filename().u8string(),
              "Kurvex course model: preview units (course units / 1000), y up");
  if (!WriteFileAtomically(obj.u8string(), text, &why, inputs)) {
    if (detail != nullptr) *detail = why;
    return kModelExportWriteFailed;
  }
  return kModelExportOk;
}

}  // namespace kurvex
