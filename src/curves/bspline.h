#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "curves/knots.h"
#include "curves/slider_and_shells.h"
#include "geometry/frame_report.h"
#include "geometry/point2.h"

namespace veltro {

// Bounds the de Boor work of one curve: a sample of degree d combines
// d (d + 1) / 2 points, and a curve stops after this many combinations. Up to
// degree 25 every curve keeps its kMaxCurveSamples; a degree in the hundreds
// over thousands of points would otherwise take minutes per frame.
inline constexpr std::size_t kMaxDeBoorCombinations = std::size_t{1} << 25;

// The samples one curve of the given degree may take under both bounds.
std::size_t maxBSplineSamples(std::int64_t degree);

// Gives what findSpan gives, found by binary search when the knots, as
// floats, never decrease (every vector effectiveKnots builds from sorted or
// default knots), and by findSpan's scan otherwise.
class SpanFinder {
  public:
    explicit SpanFinder(const KnotSequence& knots);
    std::int64_t find(float t) const;

  private:
    const KnotSequence& knots_;
    std::vector<float> asFloats_;
    bool nonDecreasing_ = true;
};

// The curve point at t by de Boor's algorithm in span J, from the points
// P(J - degree) ... P(J). The caller guarantees 1 <= degree <= J <= N - 1 and
// at least N + degree + 1 knots, so every point and knot it reads exists.
// `shells`, when given, receives the polyline of every level from level 1
// on. A zero knot difference makes the point NaN (it draws nothing).
Point2 deBoorPoint(const std::vector<Point2>& points, const KnotSequence& knots,
                   std::int64_t degree, std::int64_t span, float t, std::vector<Point2>& scratch,
                   std::vector<Polyline>* shells);

// The B-spline of the given degree over the control polygon on `knots` (the
// knots the frame's preparation built), with the slider marker and the
// shells at the first sample near sliderT, or without the slider near the
// middle of the domain. Knots not built for these points draw nothing.
// Appended to `curve`.
void addBSplineCurve(const std::vector<Point2>& polygon, std::int32_t degree,
                     const KnotSequence& knots, const SliderAndShells& options, FrameReport& curve);

}  // namespace veltro
