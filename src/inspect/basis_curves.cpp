#include "inspect/basis_curves.h"

#include <algorithm>

namespace veltro {

std::optional<BasisCurves> sampleBasisCurves(
    std::size_t count, double a, double b, std::size_t workPerSample,
    const std::function<std::vector<double>(double)>& weightsAt) {
    if (count == 0 || !(a <= b)) {
        return std::nullopt;
    }
    const std::size_t work = std::max<std::size_t>(workPerSample, 1);
    const std::size_t samples =
        std::min({kBasisSamples, kMaxBasisValues / count, kBasisWorkBudget / work});
    if (samples < kMinBasisSamples) {
        return std::nullopt;
    }
    BasisCurves basis;
    basis.samples = samples;
    basis.thinned = samples < kBasisSamples;
    basis.curves.assign(count, {});
    for (std::vector<InspectionPoint>& curve : basis.curves) {
        curve.reserve(samples);
    }
    for (std::size_t k = 0; k < samples; ++k) {
        // The last sample is b exactly; a + (b - a) could miss it.
        const double u =
            k + 1 == samples
                ? b
                : a + (b - a) * (static_cast<double>(k) / static_cast<double>(samples - 1));
        const std::vector<double> w = weightsAt(u);
        for (std::size_t i = 0; i < count; ++i) {
            basis.curves[i].push_back(InspectionPoint{u, i < w.size() ? w[i] : 0.0});
        }
    }
    return basis;
}

}  // namespace veltro
