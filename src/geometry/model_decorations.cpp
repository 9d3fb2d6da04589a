// Decorations beside and over the road, and the three plates placed on it. The screen, the
// flag and the bracket strips end by repeating their first two vertices, which covers the
// same faces again with the opposite winding so they show from both sides.

#include "geometry/model_strip.h"

namespace kurvex {
namespace model {

namespace {

constexpr ModelVertex kTvScreen[] = {T(0, 0, -0.03, 0.25, 0.125),  T(0, 1, -0.03, 0.01, 0.125),
                                     T(1, 0, -0.03, 0.25, -0.125), T(1, 1, -0.03, 0.01, -0.125),
                                     T(0, 0, -0.03, 0.25, 0.125),  T(0, 1, -0.03, 0.01, 0.125)};

constexpr ModelVertex kFlagCloth[] = {T(1, 0, -0.03, 0.25, 0), T(1, 1, -0.03, 0.15, 0),
                                      T(0, 0, 0.06, 0.25, 0),  T(0, 1, 0.06, 0.15, 0),
                                      T(1, 0, -0.03, 0.25, 0), T(1, 1, -0.03, 0.15, 0)};
constexpr ModelVertex kFlagPole[] = {T(1, 0.09375, -0.05, 0.22, 0), T(1, 1, -0.05, -0.03, 0),
                                     T(0, 0, -0.03, 0.25, 0),       T(0, 1, -0.03, -0.03, 0),
                                     T(1, 0.09375, -0.05, 0.22, 0), T(1, 1, -0.05, -0.03, 0)};

constexpr ModelVertex kSpinnerPostA[] = {
    T(0.9375, 0.1640625, 0, 0.25, 0), T(0.9375, 0.21875, 0, 0.125, 0.025),
    T(0.953125, 0.21875, 0.025, 0.125, -0.025), T(0.9375, 0.3125, 0, -0.03, 0)};
constexpr ModelVertex kSpinnerPostB[] = {
    T(0.953125, 0.1640625, 0, 0.25, 0), T(0.953125, 0.21875, 0.025, 0.125, -0.025),
    T(0.9375, 0.21875, -0.025, 0.125, -0.025), T(0.953125, 0.3125, 0, -0.03, 0)};
constexpr ModelVertex kSpinnerPostC[] = {
    T(0.9375, 0.1640625, 0, 0.25, 0), T(0.9375, 0.21875, -0.025, 0.125, -0.025),
    T(0.9375, 0.21875, 0, 0.125, 0.025), T(0.9375, 0.3125, 0, -0.03, 0)};

constexpr double kBoardTop = 0.13 * kSin60;
constexpr double kBoardBottom = 0.08 * kSin60;
constexpr ModelVertex kBoardFace[] = {
    T(0, 0, -0.065, 0.175, -kBoardTop), T(0.078125, 1, -0.04, 0.09, -kBoardBottom),
    T(1, 0, -0.065, 0.175, kBoardTop), T(0.921875, 1, -0.04, 0.09, kBoardBottom)};
constexpr ModelVertex kBoardTopCap[] = {T(0, 0, -0.065, 0.175, -kBoardTop),
                                        T(1, 0, -0.065, 0.175, kBoardTop),
                                        T(0.5, 0, 0.13, 0.175, 0)};
constexpr ModelVertex kBoardBottomCap[] = {T(0, 0, -0.04, 0.09, kBoardBottom),
                                           T(1, 0, -0.04, 0.09, -kBoardBottom),
                                           T(0.5, 0, 0.08, 0.09, 0)};

constexpr ModelVertex kBracket[] = {
    T(0.6875, 0.53125, -1.5, -0.1, 0),    T(0.6875, 0.5, -1.25, -0.2, 0.1),
    T(0.640625, 0.53125, -1.25, 0.15, 0), T(0.640625, 0.5, -1.25, -0.2, -0.1),
    T(0.6875, 0.53125, -1.5, -0.1, 0),    T(0.6875, 0.5, -1.25, -0.2, 0.1)};

constexpr double kDrum = 0.2 * kSin60;
constexpr ModelVertex kDrumFace[] = {T(0, 0, -1, 0, 0.2), T(0, 1, -1, -kDrum, -0.1),
                                     T(3, 0, 1, 0, 0.2), T(3, 1, 1, -kDrum, -0.1)};
constexpr ModelVertex kDrumLeftCap[] = {T(0, 0, -1, 0, 0.2), T(0, 0.5, -1, kDrum, -0.1),
                                        T(0, 1, -1, -kDrum, -0.1)};
constexpr ModelVertex kDrumRightCap[] = {T(0, 0.5, 1, kDrum, -0.1), T(0, 0, 1, 0, 0.2),
                                         T(0, 1, 1, -kDrum, -0.1)};

constexpr ModelVertex kChevron[] = {T(-1, 4.0 / 3, -1, 0, -0.5), T(-1, 0, -1, 0, 1.5),
                                    T(0, 1.9, 0, 0, -1.5),       T(0, 2.0 / 3 - 0.1, 0, 0, 0.5),
                                    T(1, 4.0 / 3, 1, 0, -0.5),   T(1, 0, 1, 0, 1.5)};

constexpr ModelVertex kRidge[] = {T(0.484375, 0.9375, 1, 0, -1),  V(-1, 0, -1),
                                  T(0.484375, 0.296875, 1, 1, 0), V(-1, 1, 0),
                                  T(0.484375, 0.9375, 1, 0, 1),   V(-1, 0, 1)};
constexpr ModelVertex kRidgeRightEnd[] = {
    T(0.484375, 0.9375, 1, 0, -1), T(0.484375, 0.296875, 1, 1, 0), T(0.484375, 0.9375, 1, 0, 1)};
constexpr ModelVertex kRidgeLeftEnd[] = {
    T(0.484375, 0.9375, -1, 0, -1), T(0.484375, 0.9375, -1, 0, 1), T(0.484375, 0.296875, -1, 1, 0)};

constexpr ModelVertex kPyramidFront[] = {T(0, 1, -1, 0, 0), V(0, 0, 1), T(0, 0, 0, 1, 0),
                                         T(0, 1, 1, 0, 0)};
constexpr ModelVertex kPyramidBack[] = {V(1, 0, 0), V(0, 0, -1), T(0, 0, 0, 1, 0),
                                        T(0, 1, -1, 0, 0)};

}  // namespace

void TvBillboard(DrawTarget& gl) {
  Select(gl, 41);
  Strip(gl, kTvScreen);
}

// The cloth shows the texture the placement binds; the pole binds its own.
void Flag(DrawTarget& gl) {
  Strip(gl, kFlagCloth);
  Select(gl, 42);
  Strip(gl, kFlagPole);
}

void SpinnerFixed(DrawTarget& gl) {
  Strip(gl, kSpinnerPostA);
  Strip(gl, kSpinnerPostB);
  Strip(gl, kSpinnerPostC);
}

void SpinnerTurning(DrawTarget& gl) {
  gl.PushMatrix();
  gl.PushMatrix();
  Strip(gl, kBoardFace);
  gl.Rotate(120, 0, 1, 0);
  Strip(gl, kBoardFace);
  gl.Rotate(120, 0, 1, 0);
  Strip(gl, kBoardFace);
  gl.PopMatrix();
  Strip(gl, kBoardTopCap);
  Strip(gl, kBoardBottomCap);
  gl.PopMatrix();
}

void MonitorFixed(DrawTarget& gl) {
  gl.PushMatrix();
  Strip(gl, kBracket);
  gl.Rotate(180, 0, 1, 0);
  Strip(gl, kBracket);
  gl.PopMatrix();
}

void MonitorTurning(DrawTarget& gl) {
  gl.PushMatrix();
  Strip(gl, kDrumFace);
  gl.Rotate(120, 1, 0, 0);
  Strip(gl, kDrumFace);
  gl.Rotate(120, 1, 0, 0);
  Strip(gl, kDrumFace);
  Strip(gl, kDrumLeftCap);
  Strip(gl, kDrumRightCap);
  gl.PopMatrix();
}

void DashPlate(DrawTarget& gl) {
  Select(gl, 32);
  Strip(gl, kChevron);
}

void JumpPlate(DrawTarget& gl) {
  Select(gl, 30);
  Strip(gl, kRidge);
  Strip(gl, kRidgeRightEnd);
  Strip(gl, kRidgeLeftEnd);
}

void TrapField(DrawTarget& gl) {
  Select(gl, 29);
  Strip(gl, kPyramidFront);
  Strip(gl, kPyramidBack);
}

}  // namespace model
}  // namespace kurvex
