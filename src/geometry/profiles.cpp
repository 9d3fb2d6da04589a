#include "geometry/profiles.h"

#include "geometry/surface_kind.h"

namespace kurvex {

namespace {

constexpr double kS = 0.707107;  // sin 45 degrees, as the shapes were drawn

Profile Make(const std::array<double, 16>& points, const std::array<double, 8>& u, double scale) {
  Profile profile;
  for (int j = 0; j < kProfilePoints; ++j) {
    profile.x[j] = points[2 * j];
    profile.y[j] = points[2 * j + 1];
    profile.u[j] = u[j] / scale;
  }
  return profile;
}

constexpr std::array<double, 8> kRoadU = {45.5, 0.5, 45.5, 60.5, 61.5, 63.5, 61.5, 60.5};
constexpr std::array<double, 8> kHalfPipeU = {28.5, 0.5, 28.5, 47.5, 55.5, 63.5, 55.5, 47.5};

}  // namespace

Profile RoadProfile() {
  return Make({0, 0, 0, 0, 0, 0, 0.03, 0.01, 0.03, -0.04, 0, -0.08, -0.03, -0.04, -0.03, 0.01},
              kRoadU, 64);
}

Profile NoWallProfile() {
  return Make(
      {0.005, 0, 0, 0, -0.005, 0, -0.01, -0.005, -0.01, -0.04, 0, -0.08, 0.01, -0.04, 0.01, -0.005},
      kRoadU, 64);
}

Profile HighWallProfile() {
  return Make({0, 0, 0, 0, 0, 0, 0.045, 0.15, 0.03, -0.04, 0, -0.08, -0.03, -0.04, -0.045, 0.15},
              {77.5, 0.5, 77.5, 123.5, 126.5, 127.5, 126.5, 123.5}, 128);
}

Profile TunnelEntryProfile() {
  return Make({0, 0, 0, 0, 0, 0, 0.03, 0.075, 0, 0, 0, 0, 0, 0, -0.03, 0.075},
              {38.5, 63.5, 38.5, 26.5, 38.5, 63.5, 38.5, 26.5}, 64);
}

Profile TunnelFullProfile() {
  return Make({0, 0, 0, 0, 0, 0, 0.03, 0.075, kS, 0.2 * kS, 0, 0.2, -kS, 0.2 * kS, -0.03, 0.075},
              {38.5, 63.5, 38.5, 26.5, 15.5, 0.5, 15.5, 26.5}, 64);
}

Profile PipeEntryProfile(double h) {
  const double side = h * (1 - kS), low = -h * kS;
  // P5, P6, P7 trace P3, P2, P1 back so both faces of the curved floor exist.
  return Make({side, low, 0, -h, -side, low, 0, 0, -side, low, 0, -h, side, low, 0, 0},
              {96, 127.5, 96, 64, 96, 127.5, 96, 64}, 128);
}

Profile PipeFullProfile() {
  return Make({-kS, -kS, 0, -1, kS, -kS, 1, 0, kS, kS, 0, 1, -kS, kS, -1, 0},
              {96, 127.5, 96, 64, 32, 0.5, 32, 64}, 128);
}

Profile HalfPipeEntryProfile(double h) {
  const double side = h * (1 - kS), low = -0.1 - h * kS;
  return Make(
      {side, low, 0, -0.1 - h, -side, low, 0, -0.1, -side, low, 0, -0.1 - h, side, low, 0, -0.1},
      kHalfPipeU, 64);
}

Profile HalfPipeFullProfile() {
  return Make({-kS, -kS, 0, -1, kS, -kS, 1, 0, kS, -kS, 0, -1, -kS, -kS, -1, 0}, kHalfPipeU, 64);
}

Profile CylinderProfile() {
  return Make({-kS, kS, 0, 1, kS, kS, 1, 0, kS, -kS, 0, -1, -kS, -kS, -1, 0},
              {40.5, 0.5, 40.5, 76.5, 107.5, 127.5, 107.5, 76.5}, 128);
}

Profile EntryProfile(int kind, double h) {
  switch (kind) {
    case kHighWallSurface:
      return HighWallProfile();
    case kNoWallSurface:
      return NoWallProfile();
    case kTunnelSurface:
    case kTunnelExterior:
      return TunnelEntryProfile();
    case kPipeSurface:
    case kPipeExterior:
      return PipeEntryProfile(h);
    case kHalfPipeSurface:
      return HalfPipeEntryProfile(h);
    case kCylinderSurface:
      return CylinderProfile();
    default:
      return RoadProfile();
  }
}

Profile FullProfile(int kind) {
  switch (kind) {
    case kTunnelSurface:
    case kTunnelExterior:
      return TunnelFullProfile();
    case kPipeSurface:
    case kPipeExterior:
      return PipeFullProfile();
    case kHalfPipeSurface:
      return HalfPipeFullProfile();
    default:
      return EntryProfile(kind, 0);
  }
}

Placement OwnPlacement(int kind) {
  switch (kind) {
    case kTunnelSurface:
    case kTunnelExterior:
      return kTunnelPlacement;
    case kPipeSurface:
    case kPipeExterior:
    case kHalfPipeSurface:
    case kCylinderSurface:
      return kScaledPlacement;
    default:
      return kEdgeRelative;
  }
}

double VerticalOffset(int kind) { return kind == kHalfPipeSurface ? -0.1 : 0; }

Vec3 PlaceProfilePoint(Placement placement, int j, double x, double y, double hw,
                       double vertical_offset) {
  if (placement == kScaledPlacement) return {x * hw, y * hw + vertical_offset, 0};
  // P5 and P7 of a tunnel are the roof's shoulders, scaled with the width.
  if (placement == kTunnelPlacement && (j == 4 || j == 6)) return {x * hw, y, 0};
  switch (kPointGroups[j]) {
    case kLeftGroup:
      return {x - hw, y, 0};
    case kRightGroup:
      return {x + hw, y, 0};
    default:
      return {x, y, 0};
  }
}

}  // namespace kurvex
