#include "geometry/surface_kind.h"

namespace kurvex {

namespace {

constexpr double kRoadTextureFactor = 9.63444714219553;
constexpr int kVenueCount = 11;

struct CodeRange {
  int32_t first, last;
  int kind;
};

// One row per track type; the order also numbers the types for SameTrackType.
constexpr CodeRange kRanges[] = {
    {447, 447, kNoTrackSurface},  {0, 9, kRoadSurface},         {64, 66, kHighWallSurface},
    {448, 450, kNoWallSurface},   {320, 323, kTunnelSurface},   {128, 131, kPipeSurface},
    {256, 259, kHalfPipeSurface}, {192, 195, kCylinderSurface},
};

int RowOf(int32_t code) {
  for (int row = 0; row < static_cast<int>(sizeof kRanges / sizeof kRanges[0]); ++row) {
    if (code >= kRanges[row].first && code <= kRanges[row].last) return row;
  }
  return -1;
}

TextureRef Track(int venue, int n) { return VenueTexture(venue, n); }

}  // namespace

TextureRef VenueTexture(int venue, int n) {
  if (venue < 0 || venue >= kVenueCount) return TextureRef::None();
  return TextureRef::Track(venue, n);
}

int SurfaceKindOf(int32_t track_code) {
  const int row = RowOf(track_code);
  return row < 0 ? kNoSurface : kRanges[row].kind;
}

int ExteriorKindOf(int32_t track_code) {
  switch (SurfaceKindOf(track_code)) {
    case kTunnelSurface:
      return kTunnelExterior;
    case kPipeSurface:
      return kPipeExterior;
    default:
      return kNoSurface;
  }
}

bool SameTrackType(int32_t a, int32_t b) {
  const int row = RowOf(a);
  return row >= 0 && row == RowOf(b);
}

double TransitionDistance(int kind) {
  switch (kind) {
    case kNoTrackSurface:
    case kRoadSurface:
      return 1 / kRoadTextureFactor;  // one texture length
    case kHighWallSurface:
    case kNoWallSurface:
      return 0.05;
    case kTunnelSurface:
    case kTunnelExterior:
      return 0.2;
    default:
      return 0.5;
  }
}

double TextureLengthFactor(const Course& course, int32_t track_code) {
  if (course.Venue == 2 && (track_code == 5 || track_code == 448)) return 0.93272008293702;
  if (SurfaceKindOf(track_code) == kCylinderSurface) return 19.26889428439106;
  return kRoadTextureFactor;
}

TextureRef SurfaceTexture(int kind, int32_t track_code, int venue) {
  const int x = track_code & 15;
  switch (kind) {
    case kRoadSurface:
      if (x == 0) return Track(venue, 2);
      if (x >= 2 && x <= 7) return Track(venue, x + 1);
      if (x == 8 || x == 9) return TextureRef::Model(x - 7);
      return TextureRef::None();
    case kHighWallSurface:
      if (x == 0) return Track(venue, 8);
      if (x <= 2) return TextureRef::Model(x);
      return TextureRef::None();
    case kNoWallSurface:
      if (x == 0) return Track(venue, 9);
      if (x <= 2) return TextureRef::Model(x + 2);
      return TextureRef::None();
    case kTunnelSurface:
      return TextureRef::Model(5 + 2 * x);
    case kTunnelExterior:
      return TextureRef::Model(6 + 2 * x);
    case kPipeSurface:
      return TextureRef::Model(13 + 2 * x);
    case kPipeExterior:
      return TextureRef::Model(14 + 2 * x);
    case kHalfPipeSurface:
      return TextureRef::Model(25 + x);
    case kCylinderSurface:
      return TextureRef::Model(21 + x);
    default:
      return TextureRef::None();  // No Track
  }
}

TextureRef FinishTexture(int venue) { return Track(venue, 1); }

}  // namespace kurvex
