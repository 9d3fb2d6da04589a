// The mesh target turns drawing calls into the faces a viewer sees: strips into triangles
// turned to the visible side, lists replayed under the matrices of the call, materials from
// the texture and colour; and the mesh as OBJ and MTL text.
#include "geometry/mesh_draw_target.h"

#include <gtest/gtest.h>

#include <limits>

#include "geometry/obj_text.h"
#include "geometry_test_util.h"

namespace kurvex {
namespace {

// Five vertices zig-zagging along x in the plane y = 0: GL's front side of every one of its
// three triangles faces up (+y).
void FlatStrip(DrawTarget& gl, double x0 = 0) {
  gl.DrawSubTriangleStrip();
  for (int k = 0; k < 5; ++k) {
    gl.TexturePoint(k, k % 2);
    gl.Vertex(x0 + k, 0, k % 2);
  }
  gl.EndSub();
}

std::vector<MeshFace> Faces(const TriangleMesh& mesh) {
  std::vector<MeshFace> faces;
  for (const MeshGroup& group : mesh.groups()) {
    faces.insert(faces.end(), group.faces.begin(), group.faces.end());
  }
  return faces;
}

TEST(MeshDrawTargetTest, StripTrianglesFaceTheSideTheCullingLeavesVisible) {
  struct Case {
    int16_t cull;
    int faces;
    double normal_y;  // of every face
  } const cases[] = {{0, 3, 1}, {2, 3, 1}, {1, 3, -1}, {3, 0, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.cull);
    MeshDrawTarget gl;
    gl.Cull(c.cull);
    FlatStrip(gl);
    // Guides are no surfaces.
    gl.DrawSubLines(1);
    gl.Vertex(0, 0, 0);
    gl.Vertex(1, 1, 1);
    gl.EndSub();
    gl.DrawSubPoints(2);
    gl.Vertex(0, 1, 0);
    gl.EndSub();
    const TriangleMesh& mesh = gl.mesh();
    ASSERT_EQ(mesh.FaceCount(), static_cast<size_t>(c.faces));
    for (const MeshFace& face : Faces(mesh)) {
      EXPECT_VEC_NEAR(mesh.normals()[face.normal], (Vec3{0, c.normal_y, 0}), 1e-12);
      // Wound counter-clockwise about their normal.
      const Vec3& a = mesh.positions()[face.positions[0]];
      const Vec3& b = mesh.positions()[face.positions[1]];
      const Vec3& p = mesh.positions()[face.positions[2]];
      const double cross_y = (b.z - a.z) * (p.x - a.x) - (b.x - a.x) * (p.z - a.z);
      EXPECT_GT(cross_y * c.normal_y, 0);
    }
    EXPECT_EQ(mesh.positions().size(), c.faces > 0 ? 5u : 0u);
  }
}

TEST(MeshDrawTargetTest, ListsAreReplayedUnderTheMatricesOfTheirCall) {
  MeshDrawTarget gl;
  const int32_t strip = gl.DisplayListBegin();
  FlatStrip(gl);
  gl.DisplayListEnd();
  // Recording draws nothing.
  EXPECT_EQ(gl.mesh().FaceCount(), 0u);

  const int32_t placed = gl.DisplayListBegin();
  gl.PushMatrix();
  gl.Translate(10, 0, 0);
  gl.Rotate(90, 0, 0, 1);  // x to y and y to -x: the strip stands up, facing -x
  gl.ScaleFactors(2, 2, 2);
  gl.DisplayListCall(strip);
  gl.PopMatrix();
  gl.DisplayListCall(strip);  // back at the origin after the pop
  gl.DisplayListEnd();

  const int32_t itself = gl.DisplayListBegin();
  gl.DisplayListCall(itself);
  gl.DisplayListEnd();
  gl.DisplayListCall(itself);  // ends

  gl.DisplayListCall(placed);
  const TriangleMesh& mesh = gl.mesh();
  ASSERT_EQ(mesh.FaceCount(), 6u);
  const std::vector<MeshFace> faces = Faces(mesh);
  EXPECT_VEC_NEAR(mesh.positions()[faces[0].positions[0]], (Vec3{10, 0, 0}), 1e-12);
  EXPECT_VEC_NEAR(mesh.positions()[faces[2].positions[2]], (Vec3{10, 8, 0}), 1e-12);
  EXPECT_VEC_NEAR(mesh.normals()[faces[0].normal], (Vec3{-1, 0, 0}), 1e-12);
  EXPECT_VEC_NEAR(mesh.positions()[faces[5].positions[2]], (Vec3{4, 0, 0}), 1e-12);

  gl.DisplayListDelete(strip);
  gl.DisplayListCall(placed);
  EXPECT_EQ(gl.mesh().FaceCount(), 6u);
}

TEST(MeshDrawTargetTest, MaterialsFollowTexturingColourAndBlending) {
  MeshDrawTarget gl;
  gl.BeginGroup("plain");
  gl.TextureSelect(TextureRef::Model(12), 0);
  gl.DrawColor(255, 0, 0, 128);
  FlatStrip(gl);  // textures off: the red, opaque without blending
  gl.BeginGroup("textured");
  gl.TexturesEnable();
  gl.DrawColor(255, 255, 255, 255);
  FlatStrip(gl, 10);
  gl.BeginGroup("see-through");
  gl.SetBlending(true);
  gl.DrawColor(255, 255, 255, 128);
  FlatStrip(gl, 20);
  gl.TextureSelect(TextureRef::None(), 0);
  FlatStrip(gl, 30);  // enabled, but nothing bound: a plain colour again

  const TriangleMesh& mesh = gl.mesh();
  ASSERT_EQ(mesh.groups().size(), 3u);
  std::vector<std::string> names;
  for (const MeshGroup& group : mesh.groups()) {
    for (const MeshFace& face : group.faces) {
      const std::string name = DescribeMaterial(mesh.materials()[face.material]).name;
      if (names.empty() || names.back() != name) names.push_back(name);
      EXPECT_EQ(face.texcoords[0] >= 0, name.rfind("model-12", 0) == 0) << name;
    }
  }
  EXPECT_EQ(names, (std::vector<std::string>{"colour-ff0000", "model-12", "model-12-ffffff80",
                                             "colour-ffffff80"}));
}

TEST(ObjTextTest, WritesOneBasedIndicesTurnedTextureRowsAndEachMaterialOnce) {
  TriangleMesh mesh;
  mesh.SelectGroup("span01_surface");
  MeshMaterial road;
  road.texture = TextureRef::Track(3, 5);
  const std::array<MeshCorner, 3> corners = {
      MeshCorner{{0, 0, 0}, 0, 0.25}, MeshCorner{{1, 0, 0}, 1, 0.25}, MeshCorner{{0, 0, -1}, 0, 1}};
  EXPECT_TRUE(mesh.AddTriangle(corners, road, true));
  EXPECT_FALSE(mesh.AddTriangle({corners[0], corners[0], corners[1]}, road, true));
  MeshCorner nowhere = corners[1];
  nowhere.position.y = std::numeric_limits<double>::quiet_NaN();
  EXPECT_FALSE(mesh.AddTriangle({corners[0], nowhere, corners[2]}, road, true));
  mesh.SelectGroup("span01_zones");
  mesh.SelectGroup("span01_no_track");
  MeshMaterial red;
  red.g = red.b = 0;
  EXPECT_TRUE(mesh.AddTriangle({corners[2], corners[1], corners[0]}, red, false));

  std::vector<ObjMaterial> materials;
  for (const MeshMaterial& m : mesh.materials()) materials.push_back(DescribeMaterial(m));
  materials[0].texture_file = "track-venue03-05.png";
  EXPECT_EQ(ObjText(mesh, materials, "course.mtl", "test"),
            "# test\nmtllib course.mtl\n"
            "v 0 0 0\nv 1 0 0\nv 0 0 -1\n"
            "vt 0 0.75\nvt 1 0.75\nvt 0 0\n"
            "vn 0 1 0\nvn 0 -1 0\n"
            "g span01_surface\nusemtl track-venue03-05\nf 1/1/1 2/2/1 3/3/1\n"
            "g span01_no_track\nusemtl colour-ff0000\nf 3//2 2//2 1//2\n");
  materials.push_back(materials[1]);
  EXPECT_EQ(MtlText(materials),
            "newmtl track-venue03-05\nKd 1 1 1\nKs 0 0 0\nd 1\nillum 1\n"
            "map_Kd track-venue03-05.png\n\n"
            "newmtl colour-ff0000\nKd 1 0 0\nKs 0 0 0\nd 1\nillum 1\n\n");
}

}  // namespace
}  // namespace kurvex
