#pragma once
// The model-view matrix and its stack as the drawing operations change them (push, pop,
// translate, rotate, scale, each multiplied on the right as GL does), for drawing targets that
// place vertices themselves.

#include <array>
#include <vector>

#include "geometry/vec3.h"

namespace kurvex {

class MatrixStack {
 public:
  // A pop with nothing pushed keeps the current matrix, as GL refuses a stack underflow.
  void Push();
  void Pop();
  void Translate(double x, double y, double z);
  // degrees about the axis (x, y, z); an axis of length 0 leaves the matrix unchanged.
  void Rotate(double degrees, double x, double y, double z);
  void Scale(double x, double y, double z);

  Vec3 Apply(const Vec3& local) const;
  int Depth() const { return static_cast<int>(stack_.size()); }

 private:
  using Matrix = std::array<double, 16>;  // column-major
  void MultiplyRight(const Matrix& m);

  Matrix current_ = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
  std::vector<Matrix> stack_;
};

}  // namespace kurvex
