#include "curves/newton_polynomial.h"

#include <algorithm>

#include "curves/curve_colours.h"
#include "curves/parameter_walk.h"
#include "curves/polyline.h"

namespace veltro {

std::vector<float> dividedDifferences(const std::vector<float>& values) {
    std::vector<float> c = values;
    const std::size_t n = c.size();
    // After the pass of order s, c[k] for k >= s holds entry k - s of the
    // differences of order s; walking k downwards leaves c[k - 1] at the
    // previous order until it has been read.
    for (std::size_t s = 1; s < n; ++s) {
        for (std::size_t k = n - 1; k >= s; --k) {
            const float difference =
                static_cast<float>(static_cast<double>(c[k]) - static_cast<double>(c[k - 1]));
            const float span = static_cast<float>(k) - static_cast<float>(k - s);
            c[k] = static_cast<float>(static_cast<double>(difference) / static_cast<double>(span));
        }
    }
    return c;
}

Point2 evaluateNewton(const std::vector<float>& xCoefficients,
                      const std::vector<float>& yCoefficients, float t) {
    const std::size_t n = std::min(xCoefficients.size(), yCoefficients.size());
    float x = 0.0f;
    float y = 0.0f;
    double product = 1.0;
    for (std::size_t i = 0; i < n; ++i) {
        if (i > 0) {
            // The product of term i is the product of term i - 1 times one
            // more factor: the same multiplications in the same order as
            // forming it afresh.
            const float node = static_cast<float>(i - 1);
            product = product * (static_cast<double>(t) - static_cast<double>(node));
        }
        x = static_cast<float>(static_cast<double>(x) +
                               product * static_cast<double>(xCoefficients[i]));
        y = static_cast<float>(static_cast<double>(y) +
                               product * static_cast<double>(yCoefficients[i]));
    }
    return Point2(x, y);
}

void evaluateNewtonAt(const std::vector<float>& xCoefficients,
                      const std::vector<float>& yCoefficients, const std::vector<float>& ts,
                      std::vector<Point2>& out) {
    constexpr std::size_t kLanes = 4;
    const std::size_t n = std::min(xCoefficients.size(), yCoefficients.size());
    std::size_t first = 0;
    for (; first + kLanes <= ts.size(); first += kLanes) {
        float x[kLanes] = {};
        float y[kLanes] = {};
        double product[kLanes] = {1.0, 1.0, 1.0, 1.0};
        for (std::size_t i = 0; i < n; ++i) {
            const double cx = static_cast<double>(xCoefficients[i]);
            const double cy = static_cast<double>(yCoefficients[i]);
            const double node = i > 0 ? static_cast<double>(static_cast<float>(i - 1)) : 0.0;
            for (std::size_t lane = 0; lane < kLanes; ++lane) {
                if (i > 0) {
                    product[lane] = product[lane] * (static_cast<double>(ts[first + lane]) - node);
                }
                x[lane] = static_cast<float>(static_cast<double>(x[lane]) + product[lane] * cx);
                y[lane] = static_cast<float>(static_cast<double>(y[lane]) + product[lane] * cy);
            }
        }
        for (std::size_t lane = 0; lane < kLanes; ++lane) {
            out.emplace_back(x[lane], y[lane]);
        }
    }
    for (; first < ts.size(); ++first) {
        out.push_back(evaluateNewton(xCoefficients, yCoefficients, ts[first]));
    }
}

void drawParametricPolynomial(SceneState& state) {
    const std::size_t n = state.workPolyline.size();
    if (n < 2) {
        return;
    }
    std::vector<float> xs;
    std::vector<float> ys;
    xs.reserve(n);
    ys.reserve(n);
    for (const Point2& p : state.workPolyline) {
        xs.push_back(p.getX());
        ys.push_back(p.getY());
    }
    const std::vector<float> xCoefficients = dividedDifferences(xs);
    const std::vector<float> yCoefficients = dividedDifferences(ys);
    const float lastNode = static_cast<float>(n - 1);
    const float end = static_cast<float>(static_cast<double>(lastNode) + 0.011);

    std::vector<float> ts;
    walkParameter(0.0f, end, kMaxCurveSamples, [&](float t) { ts.push_back(t); });
    state.workPolyline.clear();
    evaluateNewtonAt(xCoefficients, yCoefficients, ts, state.workPolyline);
    appendPolyline(state.segmentList, state.workPolyline, kParametricPolynomialColour);
    state.workPolyline.clear();
}

}  // namespace veltro
