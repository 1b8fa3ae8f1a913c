#include "inspect/bspline_inspection.h"

#include <cmath>
#include <limits>

#include "inspect/basis_curves.h"

namespace veltro {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// The factors of one combination of de Boor's step r at entry m (m >= 1)
// of a span starting at point `first`: alpha for the entry m, beta for
// entry m - 1 of the level above, as the drawing forms them.
struct Combination {
    double alpha;
    double beta;
};

Combination combinationAt(const KnotSequence& knots, std::int64_t degree, std::int64_t first,
                          std::int64_t r, std::int64_t m, double t) {
    const auto i = static_cast<std::size_t>(first + r + m - 1);
    const std::int64_t low = knots[i];
    const std::int64_t high = knots[i + static_cast<std::size_t>(degree - r + 1)];
    const std::int64_t width = high - low;
    if (width == 0) {
        return {kNaN, kNaN};
    }
    const double w = static_cast<double>(width);
    return {(t - static_cast<double>(low)) / w, (static_cast<double>(high) - t) / w};
}

std::vector<KnotMultiplicity> multiplicities(const KnotSequence& knots) {
    std::vector<KnotMultiplicity> runs;
    for (const std::int32_t k : knots) {
        if (runs.empty() || runs.back().knot != k) {
            runs.push_back(KnotMultiplicity{k, 0});
        }
        ++runs.back().multiplicity;
    }
    return runs;
}

// The knots the next frame draws with: built as the frame's preparation
// builds them from three points on; with fewer, the last frame's.
KnotSequence knotsOf(const SceneState& scene) {
    const std::size_t n = scene.controlPoints.size();
    if (n < 3) {
        return scene.workingKnots;
    }
    KnotSequence entered = scene.knotSequence;
    seedEnteredKnots(entered, n, scene.continuityOn);
    return effectiveKnots(entered, n, scene.bsplineDegree, scene.continuityOn);
}

// All N weights at t, zero outside the span; NaN throughout where t has no
// span.
std::vector<double> allWeights(const KnotSequence& knots, std::int64_t degree, std::int64_t count,
                               double t) {
    std::vector<double> w(static_cast<std::size_t>(count), 0.0);
    const std::optional<std::int64_t> span = bsplineSpan(knots, degree, count, t);
    if (!span) {
        w.assign(w.size(), kNaN);
        return w;
    }
    const std::vector<double> local = deBoorWeights(knots, degree, *span, t);
    for (std::size_t m = 0; m < local.size(); ++m) {
        w[static_cast<std::size_t>(*span - degree) + m] = local[m];
    }
    return w;
}

}  // namespace

std::optional<std::int64_t> bsplineSpan(const KnotSequence& knots, std::int64_t degree,
                                        std::int64_t count, double t) {
    for (std::size_t i = 0; i + 1 < knots.size(); ++i) {
        if (static_cast<double>(knots[i]) <= t && t < static_cast<double>(knots[i + 1])) {
            const auto j = static_cast<std::int64_t>(i);
            if (j >= degree && j <= count - 1) {
                return j;
            }
            break;
        }
    }
    if (!knotIndexValid(count, knots.size()) || t < static_cast<double>(knots[count])) {
        return std::nullopt;
    }
    for (std::int64_t j = count - 1; j >= degree; --j) {
        const auto i = static_cast<std::size_t>(j);
        if (knots[i] < knots[i + 1]) {
            return j;
        }
    }
    return std::nullopt;
}

std::vector<double> deBoorWeights(const KnotSequence& knots, std::int64_t degree, std::int64_t span,
                                  double t) {
    const auto d = static_cast<std::size_t>(degree);
    const std::int64_t first = span - degree;
    // g holds, for each entry of level r, how much of C(t) it carries.
    std::vector<double> g(d + 1, 0.0);
    g[0] = 1.0;
    for (std::int64_t r = degree; r >= 1; --r) {
        const auto count = static_cast<std::size_t>(degree + 1 - r);
        // Entry m - 1 of level r = alpha entry m + beta entry m - 1 of level
        // r - 1; left to right, each entry m - 1 is read before it is
        // written again.
        double carried = 0.0;
        for (std::size_t m = 1; m <= count; ++m) {
            const Combination c =
                combinationAt(knots, degree, first, r, static_cast<std::int64_t>(m), t);
            const double share = g[m - 1];
            g[m - 1] = carried + c.beta * share;
            carried = c.alpha * share;
        }
        g[count] = carried;
    }
    return g;
}

void inspectBSpline(const SceneState& scene, Inspection& inspection) {
    const auto n = static_cast<std::int64_t>(inspection.points.size());
    const std::int64_t d = scene.bsplineDegree;
    BSplineNumbers numbers;
    numbers.degree = d;
    numbers.knots = knotsOf(scene);
    numbers.multiplicities = multiplicities(numbers.knots);
    const KnotSequence& knots = numbers.knots;

    InspectionParameter& p = inspection.parameter;
    const KnotDomain domain = knotDomainIndices(knots.size(), scene.bsplineDegree);
    if (knotIndexValid(domain.lo, knots.size()) && knotIndexValid(domain.hi, knots.size())) {
        p.domainStart = static_cast<double>(knots[static_cast<std::size_t>(domain.lo)]);
        p.domainEnd = static_cast<double>(knots[static_cast<std::size_t>(domain.hi)]);
    }
    const double t = static_cast<double>(scene.sliderT);
    p.t = t < p.domainStart ? p.domainStart : (t > p.domainEnd ? p.domainEnd : t);

    // The frame draws a curve from three points on, for a degree below the
    // point count, over knots built for these points.
    const bool drawn = n >= 3 && d >= 1 && d < n &&
                       knots.size() == static_cast<std::size_t>(n + d + 1) &&
                       p.domainStart <= p.domainEnd;
    if (drawn) {
        numbers.span = bsplineSpan(knots, d, n, p.t);
    }
    if (numbers.span) {
        const std::int64_t first = *numbers.span - d;
        inspection.weights = allWeights(knots, d, n, p.t);
        const auto size = static_cast<std::size_t>(d + 1);
        std::vector<InspectionPoint> level(inspection.points.begin() + first,
                                           inspection.points.begin() + first + d + 1);
        const bool keepLevels = size * (size + 1) / 2 <= kMaxLevelPoints;
        std::vector<std::vector<InspectionPoint>> levels;
        if (keepLevels) {
            levels.push_back(level);
        }
        for (std::int64_t r = 1; r <= d; ++r) {
            const auto count = static_cast<std::size_t>(d + 1 - r);
            for (std::size_t m = 1; m <= count; ++m) {
                const Combination c =
                    combinationAt(knots, d, first, r, static_cast<std::int64_t>(m), p.t);
                level[m - 1] = InspectionPoint{c.alpha * level[m].x + c.beta * level[m - 1].x,
                                               c.alpha * level[m].y + c.beta * level[m - 1].y};
            }
            if (keepLevels) {
                levels.emplace_back(level.begin(),
                                    level.begin() + static_cast<std::ptrdiff_t>(count));
            }
        }
        inspection.curvePoint = level.front();
        if (keepLevels) {
            inspection.levels = std::move(levels);
        } else {
            inspection.levels.reset();
        }
    } else if (drawn) {
        inspection.weights.assign(static_cast<std::size_t>(n), kNaN);
    }
    if (drawn) {
        const std::size_t work = static_cast<std::size_t>(d + 1) * static_cast<std::size_t>(d + 1);
        inspection.basisCurves =
            sampleBasisCurves(static_cast<std::size_t>(n), p.domainStart, p.domainEnd, work,
                              [&](double u) { return allWeights(knots, d, n, u); });
        if (inspection.basisCurves) {
            inspection.basisCurves->knots.assign(knots.begin(), knots.end());
        }
    }
    inspection.bspline = std::move(numbers);
}

}  // namespace veltro
