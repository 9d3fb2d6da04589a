// The course model file holds what the preview draws: as many faces as the frame's strips give,
// each facing the way the preview shows it, in groups per span and part as the settings choose,
// with every index and material an importer needs; and a failure writes nothing.
#include "preview/model_export.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <limits>
#include <regex>

#include "course/file_io.h"
#include "geometry/geometry_result.h"
#include "test_courses.h"
#include "obj_model.h"
#include "scratch_dir.h"
#include "preview/settings_switches.h"
#include "recording_draw_target.h"
#include "rom/png_writer.h"
#include "synthetic_textures.h"

namespace kurvex::test {
namespace {

namespace fs = std::filesystem;

// Triangles of the strips one frame draws of the course, counted on the recording target:
// n - 2 for a strip of n vertices, less those with two corners at one point (no area).
int FrameTriangles(const Course& course, const GraphicsSettings& settings) {
  PreparedCourse prepared;
  EXPECT_EQ(PrepareCourse(course, settings.segment_distance, prepared), kGeometryOk);
  RecordingDrawTarget gl;
  CourseDisplayLists lists;
  lists.BuildModelLists(gl);
  lists.BuildAllLists(course, prepared, FeatureSwitchesOf(settings), gl);
  CourseWalkListener nobody;
  const int32_t frame = gl.DisplayListBegin();
  DrawCourseParts(gl, {course, prepared, lists, settings, 0.0}, nobody);
  gl.DisplayListEnd();
  EXPECT_TRUE(gl.errors().empty());
  int triangles = 0;
  for (const RecordedPrimitive& strip : gl.Primitives(frame)) {
    if (strip.kind != DrawOp::kDrawSubTriangleStrip) continue;
    for (size_t k = 0; k + 2 < strip.vertices.size(); ++k) {
      const Vec3 &a = strip.vertices[k].position, &b = strip.vertices[k + 1].position,
                 &c = strip.vertices[k + 2].position;
      triangles += a != b && b != c && a != c;
    }
  }
  return triangles;
}

struct Hit {
  const ObjFace* face = nullptr;
  double s = 0;  // the texture coordinate across the picture where the ray meets it
};

// The first face a ray meets whose front turns toward the ray's start: what a viewer there
// sees of a model whose faces show one side, as the preview's culled surfaces do.
Hit FirstVisible(const ObjModel& model, const Vec3& from, const Vec3& direction) {
  Hit hit;
  double nearest = std::numeric_limits<double>::infinity();
  auto at = [&](int v) {
    return Vec3{model.positions[v][0], model.positions[v][1], model.positions[v][2]};
  };
  auto cross = [](const Vec3& a, const Vec3& b) {
    return Vec3{a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
  };
  auto dot = [](const Vec3& a, const Vec3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; };
  for (const ObjFace& face : model.faces) {
    const Vec3 a = at(face.v[0]), e1 = at(face.v[1]) - a, e2 = at(face.v[2]) - a;
    if (dot(cross(e1, e2), direction) >= 0) continue;  // turned away
    const Vec3 p = cross(direction, e2);
    const double det = dot(e1, p);
    const Vec3 s = from - a;
    const double u = dot(s, p) / det;
    const Vec3 q = cross(s, e1);
    const double v = dot(direction, q) / det;
    const double t = dot(e2, q) / det;
    if (!(u >= 0 && v >= 0 && u + v <= 1 && t > 0 && t < nearest)) continue;
    nearest = t;
    hit.face = &face;
    if (face.vt[0] >= 0) {
      const double s0 = model.texcoords[face.vt[0]][0];
      hit.s = s0 + u * (model.texcoords[face.vt[1]][0] - s0) +
              v * (model.texcoords[face.vt[2]][0] - s0);
    }
  }
  return hit;
}

class ModelExportTest : public ::testing::Test {
 protected:

  ObjModel Export(const Course& course, const GraphicsSettings& settings,
                  const TextureStore* textures = nullptr) {
    const std::string path = (dir_ / "course.obj").string();
    std::string detail;
    EXPECT_EQ(ExportCourseModel(course, textures, settings, path, &detail), kModelExportOk)
        << detail;
    ObjModel model = ReadObjModel(path);
    EXPECT_TRUE(model.problems.empty()) << model.problems.front();
    return model;
  }
  static std::set<std::string> PartsOf(const ObjModel& model) {
    std::set<std::string> parts;
    for (const ObjFace& face : model.faces) parts.insert(face.group.substr(7));
    return parts;
  }

  const ScratchDir scratch_;
  const fs::path dir_ = scratch_.path();
};

TEST_F(ModelExportTest, HoldsEveryTriangleTheFrameDrawsAroundTheControlPoints) {
  const Course course = FullFeatureCourse();
  const GraphicsSettings settings;
  const ObjModel model = Export(course, settings);
  EXPECT_EQ(static_cast<int>(model.faces.size()), FrameTriangles(course, settings));
  EXPECT_GT(model.faces.size(), 5000u);

  const std::regex group_name("span(0[1-9]|[1-5][0-9]|6[0-4])_[a-z_]+");
  for (const ObjFace& face : model.faces) {
    ASSERT_TRUE(std::regex_match(face.group, group_name)) << face.group;
  }
  EXPECT_EQ(PartsOf(model), (std::set<std::string>{"surface", "no_track", "zones", "plates",
                                                   "models", "exterior"}));
  const Point3 low = model.Low(), high = model.High();
  for (int i = 1; i <= course.PointCount; ++i) {
    const CtlPoint& point = course.Points[i];
    const Point3 p = {point.X / 1000.0, point.Y / 1000.0, point.Z / 1000.0};
    for (int k = 0; k < 3; ++k) {
      EXPECT_LE(low[k], p[k]) << "point " << i;
      EXPECT_GE(high[k], p[k]) << "point " << i;
    }
  }
}

// The views of the preview's facing test, met by rays: its synthetic textures differ in their
// left and right halves, so the texture coordinate met tells which face of the tube shows.
TEST_F(ModelExportTest, EverySurfaceShowsTheSideThePreviewShows) {
  struct Ray {
    double dy;  // the eye this far above the middle of the span, looking down, or up when < 0
    bool up;
    const char* material;  // the face met first; a see-through one with its colour behind
    bool left;             // the left half of its picture (s below 0.5)
  };
  struct Case {
    const char* what;
    int32_t code;  // of points 3, 4 and 5: span 4 is entirely of that type
    int span, slip_zone;
    bool exteriors;
    std::vector<Ray> rays;
  };
  // clang-format off
  const Case cases[] = {
      {"road: top from above, underside from below", 2, 2, kNone, true,
       {{3, false, "track-venue00-03", true}, {-3, true, "track-venue00-03", false}}},
      {"centre slip zone from above", 2, 2, 3, true, {{3, false, "slip-zone", true}}},
      {"cylinder: its outside", 192, 4, kNone, true,
       {{3, false, "model-21", true}, {-3, true, "model-21", false}}},
      {"pipe: the inside from its axis, the exterior from above", 128, 4, kNone, true,
       {{0, false, "model-13", false}, {0, true, "model-13", true},
        {3, false, "model-14-", true}}},
      {"pipe without exterior: the inside floor through the open top", 128, 4, kNone, false,
       {{3, false, "model-13", false}}},
      {"tunnel: inside from within, exterior from above", 320, 4, kNone, true,
       {{0.15, false, "model-05", false}, {0.05, true, "model-05", true},
        {3, false, "model-06-", true}}},
      {"half pipe: inside from above, outside from below", 256, 4, kNone, true,
       {{3, false, "model-25", false}, {-3, true, "model-25", true}}},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Course course = RingCourse(8, 5000);
    for (int i = 3; i <= 5; ++i) SetTrackCode(course, i, c.code);
    course.SlipZone[2] = static_cast<uint8_t>(c.slip_zone);
    GraphicsSettings settings;
    settings.tunnel_exteriors = c.exteriors;
    const ObjModel model = Export(course, settings);
    PreparedCourse prepared;
    ASSERT_EQ(PrepareCourse(course, settings.segment_distance, prepared), kGeometryOk);
    const auto& samples = prepared.MidCurve.Span(c.span).Samples;
    const Vec3 middle = samples[samples.size() / 2];
    for (const Ray& ray : c.rays) {
      const Hit hit = FirstVisible(model, middle + Vec3{0, ray.dy, 0}, {0, ray.up ? 1.0 : -1.0, 0});
      ASSERT_NE(hit.face, nullptr) << "eye " << ray.dy;
      EXPECT_EQ(hit.face->material.rfind(ray.material, 0), 0u)
          << "eye " << ray.dy << " meets " << hit.face->material;
      EXPECT_EQ(hit.s - std::floor(hit.s) < 0.5, ray.left) << "eye " << ray.dy << ", s " << hit.s;
    }
  }
}

TEST_F(ModelExportTest, SettingsChooseThePartsAndTexturesBecomePicturesBesideTheModel) {
  Course course = FullFeatureCourse();
  GraphicsSettings settings;
  settings.red_blinkers = false;
  settings.tunnel_exteriors = false;
  settings.track_surface = false;
  settings.features[kShowSlipZones] = false;
  ObjModel model = Export(course, settings);
  EXPECT_EQ(static_cast<int>(model.faces.size()), FrameTriangles(course, settings));
  EXPECT_EQ(PartsOf(model), (std::set<std::string>{"zones", "plates", "models"}));
  EXPECT_FALSE(model.texture_files.count("slip-zone"));
  for (const auto& [material, file] : model.texture_files) EXPECT_EQ(file, "") << material;

  // The blinkers of spans without track in plain red; the exteriors see-through by the setting.
  settings = GraphicsSettings();
  settings.tunnel_transparency_percent = 25;
  const TextureStore store = MakeSyntheticTextureStore();
  model = Export(course, settings, &store);
  EXPECT_EQ(PartsOf(model).size(), 6u);
  for (const ObjFace& face : model.faces) {
    if (face.group.find("no_track") != std::string::npos) {
      ASSERT_EQ(face.material, "colour-ff0000");
    } else if (face.group.find("exterior") != std::string::npos) {
      EXPECT_NEAR(model.opacity.at(face.material), 191 / 255.0, 1e-6) << face.material;
    }
  }
  // A texture's picture as the store holds it.
  const std::string road = "track-venue02-03.png";
  ASSERT_EQ(model.texture_files.at("track-venue02-03"), road);
  const TextureImage image = store.TrackTexture(2, 3);
  EXPECT_EQ(FileBytes((dir_ / road).string()), EncodePng(image.pixels, image.width, image.height, image.channels));
}

TEST_F(ModelExportTest, FailuresSayWhyAndWriteNothing) {
  Course course = RingCourse(8, 5000);
  course.PointCount = 3;
  std::string detail;
  const std::string path = (dir_ / "course.obj").string();
  EXPECT_EQ(ExportCourseModel(course, nullptr, GraphicsSettings(), path, &detail),
            kModelExportBadCourse);
  EXPECT_EQ(ModelExportMessage(kModelExportBadCourse, detail).Text().rfind("Error: Course cannot", 0), 0u);

  course.PointCount = 8;
  const TextureStore store = MakeSyntheticTextureStore();
  const std::string nowhere = (dir_ / "missing" / "course.obj").string();
  EXPECT_EQ(ExportCourseModel(course, &store, GraphicsSettings(), nowhere, &detail),
            kModelExportWriteFailed);
  const std::string message = ModelExportMessage(kModelExportWriteFailed, detail).Text();
  EXPECT_EQ(message.rfind("Error: File access error\r\n", 0), 0u) << message;
  EXPECT_NE(message.find((dir_ / "missing").string()), std::string::npos) << message;
  EXPECT_TRUE(fs::is_empty(dir_));
}

}  // namespace
}  // namespace kurvex::test
