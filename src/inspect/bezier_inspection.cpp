#include "inspect/bezier_inspection.h"

#include <cmath>

#include "inspect/weighted_sum.h"

namespace veltro {

namespace {

InspectionPoint lerp(const InspectionPoint& a, const InspectionPoint& b, double t) {
    return InspectionPoint{(1.0 - t) * a.x + t * b.x, (1.0 - t) * a.y + t * b.y};
}

}  // namespace

std::vector<double> bernsteinWeights(std::size_t count, double t) {
    std::vector<double> b(count, 0.0);
    if (count == 0) {
        return b;
    }
    b[0] = 1.0;
    // Row j from row j - 1 in place, right to left.
    for (std::size_t j = 1; j < count; ++j) {
        double carried = 0.0;
        for (std::size_t k = 0; k < j; ++k) {
            const double previous = b[k];
            b[k] = carried + (1.0 - t) * previous;
            carried = t * previous;
        }
        b[j] = carried;
    }
    return b;
}

std::vector<double> bernsteinWeightsFast(std::size_t count, double t) {
    std::vector<double> b(count, 0.0);
    if (count == 0) {
        return b;
    }
    const std::size_t n = count - 1;
    // The ends are exact, and log(0) would turn them into NaN.
    if (t <= 0.0 || t >= 1.0) {
        b[t <= 0.0 ? 0 : n] = 1.0;
        return b;
    }
    const double logT = std::log(t);
    const double logU = std::log1p(-t);
    const double logFactorialN = std::lgamma(static_cast<double>(n) + 1.0);
    for (std::size_t i = 0; i <= n; ++i) {
        const double di = static_cast<double>(i);
        const double dn = static_cast<double>(n - i);
        const double logBinomial = logFactorialN - std::lgamma(di + 1.0) - std::lgamma(dn + 1.0);
        b[i] = std::exp(logBinomial + di * logT + dn * logU);
    }
    return b;
}

void inspectBezier(Inspection& inspection) {
    const std::vector<InspectionPoint>& points = inspection.points;
    const std::size_t n = points.size();
    const double t = inspection.parameter.t;
    if (n > kMaxTrianglePoints) {
        inspection.weights = bernsteinWeightsFast(n, t);
        inspection.curvePoint = weightedSum(points, inspection.weights);
        inspection.levels.reset();
        return;
    }
    inspection.weights = bernsteinWeights(n, t);
    const bool keepLevels = n * (n + 1) / 2 <= kMaxLevelPoints;
    std::vector<std::vector<InspectionPoint>> levels;
    std::vector<InspectionPoint> level = points;
    if (keepLevels) {
        levels.push_back(level);
    }
    // In place: entry j + 1 is overwritten only after entry j has read it.
    for (std::size_t size = n; size >= 2; --size) {
        for (std::size_t j = 0; j + 1 < size; ++j) {
            level[j] = lerp(level[j], level[j + 1], t);
        }
        if (keepLevels) {
            levels.emplace_back(level.begin(),
                                level.begin() + static_cast<std::ptrdiff_t>(size - 1));
        }
    }
    inspection.curvePoint = level.front();
    if (keepLevels) {
        inspection.levels = std::move(levels);
    } else {
        inspection.levels.reset();
    }
}

MidpointNumbers firstSplit(const std::vector<InspectionPoint>& points) {
    MidpointNumbers split;
    const std::size_t n = points.size();
    if (n == 0) {
        return split;
    }
    std::vector<InspectionPoint> level = points;
    split.right.resize(n);
    // The first point of each level runs down the left half, the last one
    // up the right half.
    for (std::size_t size = n; size >= 1; --size) {
        split.left.push_back(level.front());
        split.right[size - 1] = level[size - 1];
        for (std::size_t j = 0; j + 1 < size; ++j) {
            level[j] = lerp(level[j], level[j + 1], 0.5);
        }
    }
    return split;
}

}  // namespace veltro
