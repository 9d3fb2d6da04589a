#pragma once
// A closed curve through a ring of points, sampled span by span: first at a fixed number of
// Bezier steps per span, then re-sampled evenly along each span's length.
//
// Span numbers count from 1 like CTL points (span i runs from point i to point i + 1, span N
// back to point 1); the samples of a span are held from index 0.

#include <cstdint>
#include <vector>

#include "geometry/vec3.h"

namespace kurvex {

// Re-sampling never gives a span more intervals than this, whatever its length; only courses
// far outside the editor's coordinate limits come near it.
constexpr int kMaxSpanIntervals = 10000;

struct CurveSegment {
  // The samples in travel order; the first lies on the span's start point, the last on its end
  // point, which is also the next span's first sample.
  std::vector<Vec3> Samples;
  double Length = 0;        // length of the polyline through the samples
  std::vector<double> Cum;  // Cum[k]: polyline length from sample 0 to sample k

  int Count() const { return static_cast<int>(Samples.size()); }
};

struct SplineCurve {
  enum Mode : uint8_t { kByCount = 0, kByDistance = 1 };

  int PointCount = 0;
  // Mode kByDistance: target spacing in preview units; kByCount: intervals per span.
  double Param = 0;
  std::vector<CurveSegment> Segments;  // span i at index i - 1
  uint8_t Mode = kByDistance;
  int Steps = 50;           // Bezier samples per span before re-sampling
  std::vector<Vec3> Dense;  // Steps samples per span, spans in order

  // Working storage of ResampleSegment, kept to avoid an allocation per span.
  std::vector<Vec3> Scratch;

  int DenseCount() const { return static_cast<int>(Dense.size()); }
  CurveSegment& Span(int i) { return Segments[static_cast<size_t>(i - 1)]; }
  const CurveSegment& Span(int i) const { return Segments[static_cast<size_t>(i - 1)]; }
};

void SetSplineParams(SplineCurve& curve, int steps, uint8_t mode, double param);

// Evaluates the curve through points[0..n-1] into the dense samples and gives every span
// Steps + 1 samples. Returns 0, or -1 when n < 3 (the curve is left as it was).
int32_t BuildSpline(const Vec3* points, int n, SplineCurve& curve);

// Length and Cum of span i from the dense samples.
void MeasureSegment(SplineCurve& curve, int i);

// Replaces the samples of span i by samples evenly spaced along its measured length. Length
// and Cum keep describing the old samples until RemeasureSegment.
void ResampleSegment(SplineCurve& curve, int i);

// Length and Cum of a span from its own samples.
void RemeasureSegment(CurveSegment& segment);

}  // namespace kurvex
