#include "geometry/matrix_stack.h"

#include <cmath>

namespace kurvex {

namespace {

// GL turns by the exact angle, not by the game data's rounded degree constant.
constexpr double kRadiansPerGlDegree = 3.14159265358979323846 / 180;

}  // namespace

void MatrixStack::Push() { stack_.push_back(current_); }

void MatrixStack::Pop() {
  if (stack_.empty()) return;
  current_ = stack_.back();
  stack_.pop_back();
}

void MatrixStack::MultiplyRight(const Matrix& m) {
  Matrix r{};
  for (int col = 0; col < 4; ++col) {
    for (int row = 0; row < 4; ++row) {
      double sum = 0;
      for (int k = 0; k < 4; ++k) sum += current_[k * 4 + row] * m[col * 4 + k];
      r[col * 4 + row] = sum;
    }
  }
  current_ = r;
}

void MatrixStack::Translate(double x, double y, double z) {
  MultiplyRight({1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, x, y, z, 1});
}

void MatrixStack::Scale(double x, double y, double z) {
  MultiplyRight({x, 0, 0, 0, 0, y, 0, 0, 0, 0, z, 0, 0, 0, 0, 1});
}

void MatrixStack::Rotate(double degrees, double x, double y, double z) {
  const double norm = std::sqrt(x * x + y * y + z * z);
  if (!(norm > 0)) return;
  x /= norm;
  y /= norm;
  z /= norm;
  const double angle = degrees * kRadiansPerGlDegree;
  const double c = std::cos(angle), s = std::sin(angle), t = 1 - c;
  // The rotation of glRotate, column by column.
  MultiplyRight({t * x * x + c, t * x * y + s * z, t * x * z - s * y, 0,  //
                 t * x * y - s * z, t * y * y + c, t * y * z + s * x, 0,  //
                 t * x * z + s * y, t * y * z - s * x, t * z * z + c, 0,  //
                 0, 0, 0, 1});
}

Vec3 MatrixStack::Apply(const Vec3& v) const {
  const Matrix& m = current_;
  return {m[0] * v.x + m[4] * v.y + m[8] * v.z + m[12],
          m[1] * v.x + m[5] * v.y + m[9] * v.z + m[13],
          m[2] * v.x + m[6] * v.y + m[10] * v.z + m[14]};
}

}  // namespace kurvex
