#include "geometry/mesh_draw_target.h"

#include <algorithm>
#include <utility>

namespace kurvex {

namespace {

// Deeper calls than any drawing makes: a list that calls itself stops here.
constexpr int kMaxCallDepth = 16;

uint8_t Level(int component) { return static_cast<uint8_t>(std::clamp(component, 0, 255)); }

}  // namespace

int32_t MeshDrawTarget::DisplayListBegin() {
  recording_ = next_name_++;
  lists_[recording_].clear();
  return recording_;
}

void MeshDrawTarget::DisplayListEnd() { recording_ = 0; }

// Deleting is never recorded: it acts at once, also while a list is open.
void MeshDrawTarget::DisplayListDelete(int32_t name) { lists_.erase(name); }

void MeshDrawTarget::DisplayListCall(int32_t name) { Submit(Op::kCall, {}, {}, name); }
void MeshDrawTarget::DrawSubTriangleStrip() { Submit(Op::kStrip); }
void MeshDrawTarget::DrawSubLines(float) { Submit(Op::kOtherPrimitive); }
void MeshDrawTarget::DrawSubLineLoop(float) { Submit(Op::kOtherPrimitive); }
void MeshDrawTarget::DrawSubPoints(float) { Submit(Op::kOtherPrimitive); }
void MeshDrawTarget::EndSub() { Submit(Op::kEnd); }
void MeshDrawTarget::Vertex(double x, double y, double z) { Submit(Op::kVertex, {x, y, z}); }
void MeshDrawTarget::TexturePoint(double s, double t) { Submit(Op::kTexturePoint, {s, t}); }
void MeshDrawTarget::TextureSelect(const TextureRef& texture, int16_t mode) {
  Submit(Op::kTextureSelect, {double(mode)}, texture);
}
void MeshDrawTarget::TexturesEnable() { Submit(Op::kTexturesOn); }
void MeshDrawTarget::TexturesDisable() { Submit(Op::kTexturesOff); }
void MeshDrawTarget::Cull(int16_t faces) { Submit(Op::kCull, {double(faces)}); }
void MeshDrawTarget::DrawColor(int r, int g, int b, int a) {
  Submit(Op::kColour, {double(r), double(g), double(b), double(a)});
}
void MeshDrawTarget::PushMatrix() { Submit(Op::kPush); }
void MeshDrawTarget::PopMatrix() { Submit(Op::kPop); }
void MeshDrawTarget::Translate(double x, double y, double z) { Submit(Op::kTranslate, {x, y, z}); }
void MeshDrawTarget::Rotate(double degrees, double x, double y, double z) {
  Submit(Op::kRotate, {degrees, x, y, z});
}
void MeshDrawTarget::ScaleFactors(double x, double y, double z) { Submit(Op::kScale, {x, y, z}); }

void MeshDrawTarget::Submit(Op op, std::array<double, 4> args, const TextureRef& texture,
                            int32_t name) {
  const Call call{op, args, texture, name};
  if (recording_ != 0) {
    lists_[recording_].push_back(call);
  } else {
    Execute(call, 0);
  }
}

void MeshDrawTarget::Replay(int32_t name, int depth) {
  const auto found = lists_.find(name);
  if (found == lists_.end() || depth >= kMaxCallDepth) return;
  for (const Call& call : found->second) Execute(call, depth + 1);
}

void MeshDrawTarget::Execute(const Call& call, int depth) {
  const std::array<double, 4>& a = call.args;
  switch (call.op) {
    case Op::kCall:
      Replay(call.name, depth);
      break;
    case Op::kStrip:
      OpenStrip();
      break;
    case Op::kOtherPrimitive:
      open_ = Primitive::kOther;
      break;
    case Op::kEnd:
      if (open_ == Primitive::kStrip) CloseStrip();
      open_ = Primitive::kNone;
      break;
    case Op::kVertex:
      if (open_ == Primitive::kStrip) AddVertex(a[0], a[1], a[2]);
      break;
    case Op::kTexturePoint:
      s_ = a[0];
      t_ = a[1];
      break;
    case Op::kTextureSelect:
      texture_ = call.texture;
      break;
    case Op::kTexturesOn:
    case Op::kTexturesOff:
      textures_on_ = call.op == Op::kTexturesOn;
      break;
    case Op::kCull: {
      const int faces = static_cast<int>(a[0]);
      culling_ = faces != 0;
      if (faces >= 1 && faces <= 3) culled_faces_ = static_cast<int16_t>(faces);
      break;
    }
    case Op::kColour:
      for (int k = 0; k < 4; ++k) colour_[k] = Level(static_cast<int>(a[k]));
      break;
    case Op::kPush:
      matrices_.Push();
      break;
    case Op::kPop:
      matrices_.Pop();
      break;
    case Op::kTranslate:
      matrices_.Translate(a[0], a[1], a[2]);
      break;
    case Op::kRotate:
      matrices_.Rotate(a[0], a[1], a[2], a[3]);
      break;
    case Op::kScale:
      matrices_.Scale(a[0], a[1], a[2]);
      break;
  }
}

MeshMaterial MeshDrawTarget::CurrentMaterial() const {
  MeshMaterial material;
  if (textures_on_) material.texture = texture_;
  material.r = colour_[0];
  material.g = colour_[1];
  material.b = colour_[2];
  material.a = blending_ ? colour_[3] : 255;
  return material;
}

// The state of a strip is the state it opens with: the builders change no texture, colour or
// culling inside a primitive (GL allows only the colour there).
void MeshDrawTarget::OpenStrip() {
  open_ = Primitive::kStrip;
  strip_.clear();
  strip_material_ = CurrentMaterial();
  strip_textured_ = strip_material_.texture.kind != TextureRef::kNone;
  strip_culled_faces_ = culling_ ? culled_faces_ : 0;
}

void MeshDrawTarget::AddVertex(double x, double y, double z) {
  strip_.push_back({matrices_.Apply({x, y, z}), s_, t_});
}

void MeshDrawTarget::CloseStrip() {
  if (strip_culled_faces_ == 3) return;  // nothing of it shows
  // GL's front side of strip triangle k is counter-clockwise in the order k, k+1, k+2 for even
  // k and k+1, k, k+2 for odd k. With front faces culled the back side is the one seen, so the
  // corners are turned round to make it the front. Without culling both sides show; the drawn
  // front stays the front.
  const bool turn = strip_culled_faces_ == 1;
  for (size_t k = 0; k + 2 < strip_.size(); ++k) {
    std::array<MeshCorner, 3> corners = {strip_[k], strip_[k + 1], strip_[k + 2]};
    if (k % 2 == 1) std::swap(corners[0], corners[1]);
    if (turn) std::swap(corners[1], corners[2]);
    mesh_.AddTriangle(corners, strip_material_, strip_textured_);
  }
}

}  // namespace kurvex
