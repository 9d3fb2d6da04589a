#include "recording_draw_target.h"

#include <array>
#include <cmath>

namespace kurvex {

namespace {

const std::vector<DrawCall> kNoCalls;

using Matrix = std::array<double, 16>;  // column-major, as GL keeps it

Matrix Identity() { return {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}; }

Matrix Multiply(const Matrix& a, const Matrix& b) {
  Matrix r{};
  for (int col = 0; col < 4; ++col) {
    for (int row = 0; row < 4; ++row) {
      double sum = 0;
      for (int k = 0; k < 4; ++k) sum += a[k * 4 + row] * b[col * 4 + k];
      r[col * 4 + row] = sum;
    }
  }
  return r;
}

Matrix RotationMatrix(double degrees, double x, double y, double z) {
  const double norm = std::sqrt(x * x + y * y + z * z);
  Matrix m = Identity();
  if (norm == 0) return m;
  x /= norm;
  y /= norm;
  z /= norm;
  const double rad = degrees * 3.14159265358979323846 / 180;
  const double c = std::cos(rad), s = std::sin(rad), t = 1 - c;
  const double r[3][3] = {{t * x * x + c, t * x * y + s * z, t * x * z - s * y},
                          {t * x * y - s * z, t * y * y + c, t * y * z + s * x},
                          {t * x * z + s * y, t * y * z - s * x, t * z * z + c}};
  for (int col = 0; col < 3; ++col) {
    for (int row = 0; row < 3; ++row) m[col * 4 + row] = r[col][row];
  }
  return m;
}

// A translation (w 1) or a scaling (w 0) by (x, y, z).
Matrix AffineMatrix(const double* a, bool translate) {
  Matrix m = Identity();
  for (int k = 0; k < 3; ++k) m[translate ? 12 + k : 5 * k] = a[k];
  return m;
}

Vec3 Transform(const Matrix& m, const Vec3& v) {
  return {m[0] * v.x + m[4] * v.y + m[8] * v.z + m[12],
          m[1] * v.x + m[5] * v.y + m[9] * v.z + m[13],
          m[2] * v.x + m[6] * v.y + m[10] * v.z + m[14]};
}

struct ReplayState {
  Matrix matrix = Identity();
  std::vector<Matrix> stack;
  double s = 0, t = 0;
  bool has_texture_point = false;
  TextureRef texture;
  std::vector<RecordedPrimitive> primitives;
  bool open = false;
};

}  // namespace

void RecordingDrawTarget::Record(DrawOp op, std::array<double, 4> args, int32_t name,
                                 const TextureRef& texture) {
  if (recording_ == 0) return;
  DrawCall call;
  call.op = op;
  for (int k = 0; k < 4; ++k) call.args[k] = args[k];
  call.name = name;
  call.texture = texture;
  lists_[recording_].push_back(call);
}

void RecordingDrawTarget::Open(DrawOp op, double width) {
  if (in_primitive_) errors_.push_back("a primitive opened inside a primitive");
  in_primitive_ = true;
  Record(op, {width});
}

int32_t RecordingDrawTarget::DisplayListBegin() {
  if (recording_ != 0) errors_.push_back("DisplayListBegin while a list is open");
  recording_ = next_name_++;
  lists_[recording_].clear();
  live_[recording_] = true;
  matrix_depth_ = 0;
  return recording_;
}

void RecordingDrawTarget::DisplayListEnd() {
  if (recording_ == 0) errors_.push_back("DisplayListEnd without an open list");
  if (in_primitive_) errors_.push_back("DisplayListEnd inside a primitive");
  if (matrix_depth_ != 0)
    errors_.push_back("list " + std::to_string(recording_) + " ends with unbalanced matrices");
  recording_ = 0;
}

void RecordingDrawTarget::DisplayListDelete(int32_t name) {
  if (!IsLive(name)) errors_.push_back("DisplayListDelete of list " + std::to_string(name));
  Record(DrawOp::kDisplayListDelete, {}, name);
  live_[name] = false;
}

void RecordingDrawTarget::EndSub() {
  if (!in_primitive_) errors_.push_back("EndSub without a primitive");
  in_primitive_ = false;
  Record(DrawOp::kEndSub);
}

void RecordingDrawTarget::Vertex(double x, double y, double z) {
  if (!in_primitive_) errors_.push_back("Vertex outside a primitive");
  if (!std::isfinite(x + y + z)) errors_.push_back("Vertex with a non-finite coordinate");
  Record(DrawOp::kVertex, {x, y, z});
}

void RecordingDrawTarget::TexturePoint(double s, double t) {
  if (!std::isfinite(s + t)) errors_.push_back("TexturePoint with a non-finite coordinate");
  Record(DrawOp::kTexturePoint, {s, t});
}

void RecordingDrawTarget::TextureSelect(const TextureRef& texture, int16_t mode) {
  if (in_primitive_) errors_.push_back("TextureSelect inside a primitive");
  Record(DrawOp::kTextureSelect, {double(mode)}, 0, texture);
}

void RecordingDrawTarget::PushMatrix() {
  ++matrix_depth_;
  Record(DrawOp::kPushMatrix);
}

void RecordingDrawTarget::PopMatrix() {
  if (--matrix_depth_ < 0 && recording_ != 0) errors_.push_back("PopMatrix without a push");
  Record(DrawOp::kPopMatrix);
}

const std::vector<DrawCall>& RecordingDrawTarget::List(int32_t name) const {
  const auto found = lists_.find(name);
  return found == lists_.end() ? kNoCalls : found->second;
}

bool RecordingDrawTarget::IsLive(int32_t name) const {
  const auto found = live_.find(name);
  return found != live_.end() && found->second;
}

int RecordingDrawTarget::LiveListCount() const {
  int count = 0;
  for (const auto& entry : live_) count += entry.second ? 1 : 0;
  return count;
}

namespace {

void ReplayList(const std::map<int32_t, std::vector<DrawCall>>& lists,
                const std::map<int32_t, bool>& live, int32_t name, int depth, ReplayState& state) {
  const auto found = lists.find(name);
  const auto alive = live.find(name);
  if (depth > 8 || found == lists.end() || alive == live.end() || !alive->second) return;
  for (const DrawCall& call : found->second) {
    const double* a = call.args;
    switch (call.op) {
      case DrawOp::kDisplayListCall:
        ReplayList(lists, live, call.name, depth + 1, state);
        break;
      case DrawOp::kDrawSubTriangleStrip:
      case DrawOp::kDrawSubLines:
      case DrawOp::kDrawSubLineLoop:
      case DrawOp::kDrawSubPoints:
        state.primitives.push_back({call.op, a[0], {}});
        state.open = true;
        break;
      case DrawOp::kEndSub:
        state.open = false;
        break;
      case DrawOp::kVertex:
        if (state.open) {
          RecordedVertex v;
          v.local = {a[0], a[1], a[2]};
          v.position = Transform(state.matrix, v.local);
          v.s = state.s;
          v.t = state.t;
          v.has_texture_point = state.has_texture_point;
          v.texture = state.texture;
          state.primitives.back().vertices.push_back(v);
        }
        break;
      case DrawOp::kTexturePoint:
        state.s = a[0];
        state.t = a[1];
        state.has_texture_point = true;
        break;
      case DrawOp::kTextureSelect:
        state.texture = call.texture;
        break;
      case DrawOp::kPushMatrix:
        state.stack.push_back(state.matrix);
        break;
      case DrawOp::kPopMatrix:
        if (!state.stack.empty()) {
          state.matrix = state.stack.back();
          state.stack.pop_back();
        }
        break;
      case DrawOp::kTranslate:
      case DrawOp::kScaleFactors:
        state.matrix = Multiply(state.matrix, AffineMatrix(a, call.op == DrawOp::kTranslate));
        break;
      case DrawOp::kRotate:
        state.matrix = Multiply(state.matrix, RotationMatrix(a[0], a[1], a[2], a[3]));
        break;
      default:
        break;
    }
  }
}

}  // namespace

std::vector<RecordedPrimitive> RecordingDrawTarget::Primitives(int32_t name) const {
  ReplayState state;
  ReplayList(lists_, live_, name, 0, state);
  return state.primitives;
}

std::vector<DrawCall> RecordingDrawTarget::CallsOf(int32_t name, DrawOp op) const {
  std::vector<DrawCall> found;
  for (const DrawCall& call : List(name)) {
    if (call.op == op) found.push_back(call);
  }
  return found;
}

int RecordingDrawTarget::VertexCount(int32_t name) const {
  int count = 0;
  for (const RecordedPrimitive& primitive : Primitives(name)) {
    count += static_cast<int>(primitive.vertices.size());
  }
  return count;
}

}  // namespace kurvex
