#pragma once
// How a CTL point's TrackCode is drawn: its surface kind, its exterior, the texture it binds,
// how fast the texture repeats along the track and how far its shape morphs from the road.

#include <cstdint>

#include "course/course.h"
#include "geometry/texture_ref.h"

namespace kurvex {

enum SurfaceKind : int {
  kNoSurface = -1,  // a code the builders do not draw: the span's lists stay empty
  kNoTrackSurface = 0,
  kRoadSurface = 1,
  kHighWallSurface = 2,
  kNoWallSurface = 3,
  kTunnelSurface = 11,
  kTunnelExterior = 12,
  kPipeSurface = 21,
  kPipeExterior = 22,
  kHalfPipeSurface = 31,
  kCylinderSurface = 41,
};

// The surface kind of a code, kNoSurface for codes outside the drawn ranges.
int SurfaceKindOf(int32_t track_code);
// kTunnelExterior or kPipeExterior for tunnel and pipe codes, else kNoSurface.
int ExteriorKindOf(int32_t track_code);

// Two codes are of the same type when both fall in the same drawn range, whatever the texture.
bool SameTrackType(int32_t a, int32_t b);

// Distance over which a span morphs from the road shape to its own, preview units.
double TransitionDistance(int kind);

// Texture repeats per preview unit along the track for a point's code.
double TextureLengthFactor(const Course& course, int32_t track_code);

// The texture a surface kind binds for a code at a venue; None where the table has none.
TextureRef SurfaceTexture(int kind, int32_t track_code, int venue);
// Track texture n of a venue; None for a venue outside 0..10.
TextureRef VenueTexture(int venue, int n);
// The venue's first road texture, the finish line at the end of the finish stretch.
TextureRef FinishTexture(int venue);

}  // namespace kurvex
