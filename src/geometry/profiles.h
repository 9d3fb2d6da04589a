#pragma once
// Cross-section shapes of the track surfaces: eight points around the section, each an offset
// in the section's local frame (x toward the right edge, y up) with a texture coordinate u.
//
// P1 lies on the left edge, P2 in the middle, P3 on the right edge, P4 and P5 on the right
// side, P6 under (or over) the middle, P7 and P8 on the left side; index j holds P(j + 1).

#include <array>

#include "geometry/vec3.h"

namespace kurvex {

constexpr int kProfilePoints = 8;

struct Profile {
  std::array<double, kProfilePoints> x{};
  std::array<double, kProfilePoints> y{};
  std::array<double, kProfilePoints> u{};
};

// The group of a profile point sets its texture v and its base point on the section.
enum PointGroup : int { kLeftGroup = 0, kMiddleGroup = 1, kRightGroup = 2 };
constexpr std::array<PointGroup, kProfilePoints> kPointGroups = {
    kLeftGroup,  kMiddleGroup, kRightGroup, kRightGroup,
    kRightGroup, kMiddleGroup, kLeftGroup,  kLeftGroup};

Profile RoadProfile();  // also the neutral profile every transition starts from
Profile NoWallProfile();
Profile HighWallProfile();
Profile TunnelEntryProfile();
Profile TunnelFullProfile();
Profile PipeEntryProfile(double half_width);
Profile PipeFullProfile();  // unit circle
Profile HalfPipeEntryProfile(double half_width);
Profile HalfPipeFullProfile();  // unit lower half circle
Profile CylinderProfile();      // unit circle

// The entry and full profiles of a surface kind; h is the half width the Pipe and Half Pipe
// entry profiles are built for.
Profile EntryProfile(int kind, double h);
Profile FullProfile(int kind);

// How a profile point becomes a local point of a section with half width hw.
enum Placement : int {
  kEdgeRelative,     // x offset from its group's base point: -hw, 0 or +hw
  kTunnelPlacement,  // edge-relative, but P5 and P7 scaled by hw
  kScaledPlacement,  // x and y scaled by hw, plus the kind's vertical offset
};

Placement OwnPlacement(int kind);
double VerticalOffset(int kind);
Vec3 PlaceProfilePoint(Placement placement, int j, double x, double y, double hw,
                       double vertical_offset);

}  // namespace kurvex
