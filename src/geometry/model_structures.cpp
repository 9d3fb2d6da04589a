// The roadside structures, all standing on a base half a unit below their frame's ground.

#include "geometry/model_strip.h"

namespace kurvex {
namespace model {

namespace {

constexpr double kH = 1.72;
constexpr double kh = (kH + 0.5) / 8;

constexpr ModelVertex kSkyscraperSides[] = {
    T(0, 0, -kh, kH, kh), T(0, 8, -kh, -0.5, kh), T(2, 0, kh, kH, kh),   T(2, 8, kh, -0.5, kh),
    T(4, 0, kh, kH, -kh), T(4, 8, kh, -0.5, -kh), T(6, 0, -kh, kH, -kh), T(6, 8, -kh, -0.5, -kh),
    T(8, 0, -kh, kH, kh), T(8, 8, -kh, -0.5, kh)};
constexpr ModelVertex kSkyscraperRoof[] = {T(0, 0, kh, kH, kh), T(1, 0, kh, kH, -kh),
                                           T(0, 0.5, -kh, kH, kh), T(1, 0.5, -kh, kH, -kh)};

constexpr ModelVertex kShortSides[] = {T(0, 0, -0.25, 0.5, 0.25),   T(0, 8, -0.25, -0.5, 0.25),
                                       T(4, 0, 0.25, 0.5, 0.25),    T(4, 8, 0.25, -0.5, 0.25),
                                       T(8, 0, 0.25, 0.5, -0.25),   T(8, 8, 0.25, -0.5, -0.25),
                                       T(16, 0, -0.25, 0.5, -0.25), T(16, 8, -0.25, -0.5, -0.25),
                                       T(24, 0, -0.25, 0.5, 0.25),  T(24, 8, -0.25, -0.5, 0.25)};
constexpr ModelVertex kShortRoof[] = {T(0, 0.875, 0.25, 0.5, 0.25), T(0, 1.24, 0.25, 0.5, -0.25),
                                      T(1, 0.875, -0.25, 0.5, 0.25), T(1, 1.24, -0.25, 0.5, -0.25)};

constexpr ModelVertex kPyramidFace[] = {T(0, 8, -0.25, -0.5, 0.25), T(4, 8, 0.25, -0.5, 0.25),
                                        T(2, 0, 0, 0.5, 0)};

constexpr ModelVertex kPinnacleFront[] = {T(0, 1, -0.2, -0.5, 0.2), T(2, 1, 0.2, -0.5, 0.2),
                                          T(1, 0, -0.1, 0.5, 0.1), T(3, 0, 0.1, 0.25, 0)};
constexpr ModelVertex kPinnacleRight[] = {T(2, 1, 0.2, -0.5, 0.2), T(4, 1, 0.2, -0.5, -0.2),
                                          T(3, 0, 0.1, 0.25, 0)};
constexpr ModelVertex kPinnacleBack[] = {T(5, 0, 0.1, 0.25, 0), T(4, 1, 0.2, -0.5, -0.2),
                                         T(6, 1, -0.2, -0.5, -0.2)};
constexpr ModelVertex kPinnacleLeft[] = {T(0, 0, 0.1, 0.25, 0), T(0, 1, -0.2, -0.5, -0.2),
                                         T(1, 0, -0.1, 0.5, 0.1), T(2, 1, -0.2, -0.5, 0.2)};

constexpr ModelVertex kOrangeSides[] = {T(0, 0, -0.25, 1.5, 0.25),  T(0, 2, -0.25, -0.5, 0.25),
                                        T(2, 0, 0.25, 1.5, 0.25),   T(2, 2, 0.25, -0.5, 0.25),
                                        T(4, 0, 0.25, 1.5, -0.25),  T(4, 2, 0.25, -0.5, -0.25),
                                        T(6, 0, -0.25, 1.5, -0.25), T(6, 2, -0.25, -0.5, -0.25),
                                        T(8, 0, -0.25, 1.5, 0.25),  T(8, 2, -0.25, -0.5, 0.25)};
constexpr ModelVertex kOrangeRoof[] = {T(0, 1, 0.25, 1.5, 0.25), T(1, 1, 0.25, 1.5, -0.25),
                                       T(0, 0.5, -0.25, 1.5, 0.25), T(1, 0.5, -0.25, 1.5, -0.25)};

}  // namespace

// Drawn with the venue texture the placement selects.
void VenueSkyscraper(DrawTarget& gl) {
  Strip(gl, kSkyscraperSides);
  Strip(gl, kSkyscraperRoof);
}

void ShortBuilding(DrawTarget& gl) {
  Select(gl, 45);
  Strip(gl, kShortSides);
  Strip(gl, kShortRoof);
}

void PyramidStructure(DrawTarget& gl) {
  Select(gl, 46);
  gl.PushMatrix();
  Strip(gl, kPyramidFace);
  for (int face = 1; face < 4; ++face) {
    gl.Rotate(90, 0, 1, 0);
    Strip(gl, kPyramidFace);
  }
  gl.PopMatrix();
}

void Pinnacle(DrawTarget& gl) {
  Select(gl, 47);
  Strip(gl, kPinnacleFront);
  Strip(gl, kPinnacleRight);
  Strip(gl, kPinnacleBack);
  Strip(gl, kPinnacleLeft);
}

void OrangeSkyscraper(DrawTarget& gl) {
  Select(gl, 48);
  Strip(gl, kOrangeSides);
  Strip(gl, kOrangeRoof);
}

}  // namespace model
}  // namespace kurvex
