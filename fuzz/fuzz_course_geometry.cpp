// Bytes: a control byte, point count, segment distance, venue, then per point X, Y, Z (float
// bits), left and right width, banking (int16 each), track code (uint16 mod 512) and the nine
// feature bytes.
//
// The work per input is kept small so that hundreds run a second: up to 8 points, coordinates
// folded into the size of a real course, a segment distance of a quarter unit or more. One
// input in 64 keeps far-out coordinates on a 4-point course, so that the longest spans, which
// the spline caps, are still driven.

#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>

#include "course/course.h"
#include "geometry/course_lists.h"
#include "geometry/mesh_draw_target.h"
#include "geometry/obj_text.h"
#include "geometry/point_models.h"
#include "geometry/prepared_course.h"

namespace {

using kurvex::DrawTarget;
using kurvex::TextureRef;

// Checks the calls that matter for a GL implementation: balanced lists, primitives and
// matrices, finite numbers.
class CheckingTarget : public DrawTarget {
 public:
  int32_t DisplayListBegin() override {
    Require(!open_list_);
    open_list_ = true;
    return ++names_;
  }
  void DisplayListEnd() override {
    Require(open_list_ && !in_primitive_ && depth_ == 0);
    open_list_ = false;
  }
  void DisplayListDelete(int32_t name) override { Require(name > 0 && name <= names_); }
  void DisplayListCall(int32_t) override {}
  void DrawSubTriangleStrip() override { Open(); }
  void DrawSubLines(float) override { Open(); }
  void DrawSubLineLoop(float) override { Open(); }
  void DrawSubPoints(float) override { Open(); }
  void EndSub() override {
    Require(in_primitive_);
    in_primitive_ = false;
  }
  void Vertex(double x, double y, double z) override {
    Require(in_primitive_);
    Use(x + y + z);
    ++vertices_;
  }
  void TexturePoint(double s, double t) override { Use(s + t); }
  void TextureSelect(const TextureRef&, int16_t) override { Require(!in_primitive_); }
  void TexturesEnable() override {}
  void TexturesDisable() override {}
  void Cull(int16_t faces) override { Require(faces >= 0 && faces <= 3); }
  void DrawColor(int, int, int, int) override {}
  void PushMatrix() override { ++depth_; }
  void PopMatrix() override { Require(--depth_ >= 0); }
  void Translate(double x, double y, double z) override { Use(x + y + z); }
  void Rotate(double a, double x, double y, double z) override { Use(a + x + y + z); }
  void ScaleFactors(double x, double y, double z) override { Use(x + y + z); }

  int64_t vertices() const { return vertices_; }

 private:
  static void Require(bool condition) {
    if (!condition) __builtin_trap();
  }
  void Open() {
    Require(!in_primitive_);
    in_primitive_ = true;
  }
  void Use(double value) { sink_ += value; }  // NaN is allowed through, reading it must be safe

  int32_t names_ = 0;
  bool open_list_ = false;
  bool in_primitive_ = false;
  int depth_ = 0;
  int64_t vertices_ = 0;
  volatile double sink_ = 0;
};

constexpr int64_t kMaxMeshVertices = 20000;

template <typename T>
T Take(const uint8_t*& data, size_t& size) {
  T value{};
  if (size >= sizeof value) {
    std::memcpy(&value, data, sizeof value);
    data += sizeof value;
    size -= sizeof value;
  }
  return value;
}

}  // namespace

namespace {

constexpr int kMaxFuzzPoints = 8;
constexpr float kCourseReach = 20000;  // course units: the hard limits of the extremes
constexpr float kFarReach = 1e6f;

void TakePoint(kurvex::Course& course, int i, const uint8_t*& data, size_t& size) {
  kurvex::CtlPoint& p = course.Points[i];
  p.X = Take<float>(data, size);
  p.Y = Take<float>(data, size);
  p.Z = Take<float>(data, size);
  p.LeftWidth = Take<int16_t>(data, size);
  p.RightWidth = Take<int16_t>(data, size);
  course.Banking[i] = Take<int16_t>(data, size);
  p.TrackCode = Take<uint16_t>(data, size) % 512;
  for (auto feature :
       {&kurvex::Course::PitArea, &kurvex::Course::DartZone, &kurvex::Course::SlipZone,
        &kurvex::Course::DashPlate, &kurvex::Course::JumpPlate, &kurvex::Course::TrapField,
        &kurvex::Course::Gate, &kurvex::Course::Decoration, &kurvex::Course::Structure}) {
    (course.*feature)[i] = Take<uint8_t>(data, size);
  }
}

// Finite coordinates folded into reach; NaN and infinity pass through to be handled.
void FoldCoordinates(kurvex::Course& course, float reach) {
  for (int i = 1; i <= course.PointCount; ++i) {
    for (float* c : {&course.Points[i].X, &course.Points[i].Y, &course.Points[i].Z}) {
      if (std::isfinite(*c) && std::fabs(*c) > reach) *c = std::fmod(*c, reach);
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const uint8_t control = Take<uint8_t>(data, size);
  const bool far = control % 64 == 0;
  kurvex::Course course;
  const int extra_points = kMaxFuzzPoints - kurvex::kMinPoints + 1;
  course.PointCount =
      static_cast<uint8_t>(far ? 4 : kurvex::kMinPoints + Take<uint8_t>(data, size) % extra_points);
  const double distance = 0.25 + Take<uint8_t>(data, size) / 32.0;
  course.Venue = Take<uint8_t>(data, size) % 12;
  for (int i = 1; i <= course.PointCount; ++i) TakePoint(course, i, data, size);
  FoldCoordinates(course, far ? kFarReach : kCourseReach);

  kurvex::PreparedCourse prepared;
  if (kurvex::PrepareCourse(course, distance, prepared) != 0) return 0;
  CheckingTarget gl;
  kurvex::CourseDisplayLists lists;
  lists.BuildModelLists(gl);
  lists.BuildAllLists(course, prepared, kurvex::FeatureSwitches(), gl);
  lists.BuildLineLists(course, prepared, gl);
  for (int i = 1; i <= course.PointCount; ++i) {
    kurvex::DrawPointModels(i, course, prepared, lists.Models(), kurvex::PropSwitches(), 1.5, gl);
  }
  lists.DeleteAll(gl);

  // The same lists as a model: every list replayed into a mesh, written as OBJ text. Size is
  // not the point here, odd numbers are: the longest courses would only slow the run down.
  if (gl.vertices() > kMaxMeshVertices) return 0;
  kurvex::MeshDrawTarget mesh;
  lists.BuildModelLists(mesh);
  lists.BuildAllLists(course, prepared, kurvex::FeatureSwitches(), mesh);
  for (int i = 1; i <= course.PointCount; ++i) {
    for (int32_t name :
         {lists.SurfaceLists(i), lists.ZoneLists(i), lists.PlateLists(i), lists.ExteriorLists(i)}) {
      mesh.DisplayListCall(name);
    }
    kurvex::DrawPointModels(i, course, prepared, lists.Models(), kurvex::PropSwitches(), 1.5, mesh);
  }
  const std::string text = kurvex::ObjText(mesh.mesh(), {}, "fuzz.mtl", "fuzz");
  if (text.find("nan") != std::string::npos || text.find("inf") != std::string::npos) {
    __builtin_trap();
  }
  return 0;
}
