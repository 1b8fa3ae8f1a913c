#pragma once

#include <cstddef>
#include <vector>

#include "geometry/frame_report.h"
#include "geometry/point2.h"

namespace veltro {

// The polynomial curve of lowest degree through the points p(0) ... p(N - 1)
// at the parameters 0, 1, ..., N - 1, in barycentric form:
//
//   p(t) = sum w(j) p(j) / (t - j)  /  sum w(j) / (t - j),   w(j) = (-1)^j C(N - 1, j).
//
// A table of divided differences summed in floats, or even in doubles,
// cancels away every digit once the points zigzag: its terms grow like 3^N
// while the curve stays on screen, so forty points miss their own positions
// by thousands of pixels. The barycentric sums are accurate to a few units
// in the last place times how far the curve swings at t, which keeps forty
// points within a hundredth of a pixel, and at a node the curve is that
// point exactly.
class InterpolatingPolynomial {
  public:
    explicit InterpolatingPolynomial(const std::vector<Point2>& points);

    // The curve at t, each coordinate formed in double and rounded to float.
    Point2 at(float t) const;

    // at(t) for every t, appended to `out` in order. Eight samples run side
    // by side through the same arithmetic as at(), so each is bit for bit what
    // at() gives, while their divisions overlap instead of waiting on each
    // other.
    void appendAt(const std::vector<float>& ts, std::vector<Point2>& out) const;

  private:
    template <std::size_t Lanes>
    void evaluate(const float* ts, Point2* out) const;

    std::vector<double> xs_;
    std::vector<double> ys_;
    std::vector<double> weights_;
    // The nodes whose terms are summed: all but the zero weights at the ends.
    std::size_t firstTerm_ = 0;
    std::size_t lastTerm_ = 0;
};

// Where the interpolating polynomial is sampled: the walk from 0 to
// (N - 1) + 0.011, or an even walk over 0 ... N - 1 where that would take
// more samples than a frame affords, with the sample nearest each node taken
// at the node itself. Float sums drift off the nodes (by 1.5e-4 at t = 15),
// and beside the outer nodes of a polynomial of high degree that much
// parameter is tens of pixels, so without this the curve would miss its
// own points.
std::vector<float> polynomialSampleParameters(std::size_t pointCount);

// The interpolating polynomial curve through the control polygon.
Polyline parametricPolynomialCurve(const std::vector<Point2>& polygon);

}  // namespace veltro
