// The three gates, built for a track of half width 1.

#include "geometry/model_strip.h"

namespace kurvex {
namespace model {

namespace {

constexpr ModelVertex kBeamFront[] = {T(3, 0, -1.375, 1, 0.125), T(3, 1, -1.375, 0.66, 0),
                                      T(0, 0, 1.375, 1, 0.125), T(0, 1, 1.375, 0.66, 0)};
constexpr ModelVertex kBeamBack[] = {T(3, 0, 1.375, 1, -0.125), T(3, 1, 1.375, 0.66, 0),
                                     T(0, 0, -1.375, 1, -0.125), T(0, 1, -1.375, 0.66, 0)};
constexpr ModelVertex kBeamLeftEnd[] = {T(0, 0, -1.375, 1, -0.125), T(0, 1, -1.375, 0.66, 0),
                                        T(0, 0, -1.375, 1, 0.125)};
constexpr ModelVertex kBeamRightEnd[] = {T(0, 0, 1.375, 1, 0.125), T(0, 1, 1.375, 0.66, 0),
                                         T(0, 0, 1.375, 1, -0.125)};
constexpr ModelVertex kBeamTop[] = {T(0, 0, -1.375, 1, -0.125), T(1, 0, -1.375, 1, 0.125),
                                    T(0, 8, 1.375, 1, -0.125), T(1, 8, 1.375, 1, 0.125)};
constexpr ModelVertex kPostFront[] = {T(0, 6, -1.375, 1, 0.125), T(0, 0, -1.375, -0.1, 0.125),
                                      T(1, 6, -1.175, 1, 0), T(1, 0, -1.175, -0.1, 0)};
constexpr ModelVertex kPostBack[] = {T(1, 6, -1.175, 1, 0), T(1, 0, -1.175, -0.1, 0),
                                     T(0, 6, -1.375, 1, -0.125), T(0, 0, -1.375, -0.1, -0.125)};
constexpr ModelVertex kPostOuter[] = {T(1, 6, -1.375, 1, -0.125), T(1, 0, -1.375, -0.1, -0.125),
                                      T(0, 6, -1.375, 1, 0.125), T(0, 0, -1.375, -0.1, 0.125)};

void GatePost(DrawTarget& gl) {
  Select(gl, 35);
  Strip(gl, kPostFront);
  Strip(gl, kPostBack);
  Strip(gl, kPostOuter);
}

constexpr ModelVertex kStartTop[] = {T(0, 0, -1, 1, -0.15), T(1, 0, -1, 1, 0.15),
                                     T(0, 3, 1, 1, -0.15), T(1, 3, 1, 1, 0.15)};
constexpr ModelVertex kStartFront[] = {T(3, 0, -1, 1, 0.15), T(3, 1, -1, 0.75, 0),
                                       T(0, 0, 1, 1, 0.15), T(0, 1, 1, 0.75, 0)};
constexpr ModelVertex kStartBack[] = {T(3, 0, 1, 1, -0.15), T(3, 1, 1, 0.75, 0),
                                      T(0, 0, -1, 1, -0.15), T(0, 1, -1, 0.75, 0)};
constexpr ModelVertex kStartLeftEnd[] = {T(1, 0, -1, 1, -0.15), T(1, 1, -1, 0.75, 0),
                                         T(1, 0, -1, 1, 0.15)};
constexpr ModelVertex kStartRightEnd[] = {T(1, 0, 1, 1, 0.15), T(1, 1, 1, 0.75, 0),
                                          T(1, 0, 1, 1, -0.15)};
constexpr ModelVertex kLegFront[] = {T(0, 3, -0.15, 0.25, 0.15), T(1, 3, -0.15, 0, 0),
                                     T(0, 0, 0.8, 0.25, 0.15), T(1, 0, 0.8, 0, 0)};
constexpr ModelVertex kLegBack[] = {T(0, 0, 0.8, 0.25, -0.15), T(1, 0, 0.8, 0, 0),
                                    T(0, 3, -0.15, 0.25, -0.15), T(1, 3, -0.15, 0, 0)};
constexpr ModelVertex kLegTop[] = {T(0, 3, -0.15, 0.25, -0.15), T(1, 3, -0.15, 0.25, 0.15),
                                   T(0, 0, 0.8, 0.25, -0.15), T(1, 0, 0.8, 0.25, 0.15)};
constexpr ModelVertex kLegEnd[] = {T(0, 1, 0.8, 0.25, -0.15), T(1, 0, 0.8, 0.25, 0.15),
                                   T(1, 1, 0.8, 0, 0)};

void StartingGateLeg(DrawTarget& gl) {
  Select(gl, 39);
  Strip(gl, kLegFront);
  Strip(gl, kLegBack);
  Strip(gl, kLegTop);
  Select(gl, 37);
  Strip(gl, kLegEnd);
}

constexpr ModelVertex kInnerRoof[] = {T(0, 4, -1.2, 0, 2.25),      T(0, 0, -1.2, 0, -2.25),
                                      T(1, 4, -0.625, 0.66, 2.25), T(1, 0, -0.625, 0.66, -2.25),
                                      T(2, 4, 0.625, 0.66, 2.25),  T(2, 0, 0.625, 0.66, -2.25),
                                      T(3, 4, 1.2, 0, 2.25),       T(3, 0, 1.2, 0, -2.25)};
constexpr ModelVertex kOuterRoof[] = {T(0, 4, -1.85, -0.125, -2.25), T(0, 0, -1.85, -0.125, 2.25),
                                      T(1, 4, -0.625, 1.25, -2.25),  T(1, 0, -0.625, 1.25, 2.25),
                                      T(2, 4, 0.625, 1.25, -2.25),   T(2, 0, 0.625, 1.25, 2.25),
                                      T(3, 4, 1.85, -0.125, -2.25),  T(3, 0, 1.85, -0.125, 2.25)};
constexpr ModelVertex kWallLeftFoot[] = {T(0, 1, -1.2, -0.4, 2.25), T(0, 0, -1.2, 0, 2.25),
                                         T(1, 0, -1.85, -0.125, 2.25)};
constexpr ModelVertex kWallArch[] = {T(1, 1, -1.85, -0.125, 2.25), T(0, 1, -1.2, 0, 2.25),
                                     T(1, 0, -0.625, 1.25, 2.25),  T(1, 1, -0.625, 0.66, 2.25),
                                     T(0, 0, 0.625, 1.25, 2.25),   T(0, 1, 0.625, 0.66, 2.25)};
constexpr ModelVertex kWallRight[] = {T(1, 1, 1.85, -0.125, 2.25), T(1, 0, 0.625, 1.25, 2.25),
                                      T(0, 1, 1.2, 0, 2.25), T(1, 1, 0.625, 0.66, 2.25)};
constexpr ModelVertex kWallRightFoot[] = {T(0, 1, 1.2, -0.4, 2.25), T(1, 0, 1.85, -0.125, 2.25),
                                          T(0, 0, 1.2, 0, 2.25)};

// The end wall selects no texture: it shows the one the outer roof leaves bound.
void CanopyEndWall(DrawTarget& gl) {
  Strip(gl, kWallLeftFoot);
  Strip(gl, kWallArch);
  Strip(gl, kWallRight);
  Strip(gl, kWallRightFoot);
}

}  // namespace

void NormalGate(DrawTarget& gl) {
  Select(gl, 36);
  Strip(gl, kBeamFront);
  Strip(gl, kBeamBack);
  Strip(gl, kBeamLeftEnd);
  Strip(gl, kBeamRightEnd);
  Select(gl, 35);
  Strip(gl, kBeamTop);
  GatePost(gl);
  gl.PushMatrix();
  gl.Rotate(180, 0, 1, 0);
  GatePost(gl);
  gl.PopMatrix();
}

void StartingGate(DrawTarget& gl) {
  Select(gl, 37);
  Strip(gl, kStartTop);
  Select(gl, 38);
  Strip(gl, kStartFront);
  Strip(gl, kStartBack);
  Strip(gl, kStartLeftEnd);
  Strip(gl, kStartRightEnd);
  gl.PushMatrix();
  gl.Translate(-1.1, 0, 0);
  gl.Rotate(70, 0, 0, 1);
  StartingGateLeg(gl);
  gl.PopMatrix();
  gl.PushMatrix();
  gl.Translate(1.1, 0, 0);
  gl.Rotate(180, 0, 1, 0);
  gl.Rotate(70, 0, 0, 1);
  StartingGateLeg(gl);
  gl.PopMatrix();
}

void Canopy(DrawTarget& gl) {
  Select(gl, 40);
  Strip(gl, kInnerRoof);
  Select(gl, 37);
  Strip(gl, kOuterRoof);
  CanopyEndWall(gl);
  gl.PushMatrix();
  gl.Rotate(180, 0, 1, 0);
  CanopyEndWall(gl);
  gl.PopMatrix();
}

}  // namespace model
}  // namespace kurvex
