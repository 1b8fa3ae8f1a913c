#include "zoom.h"

#include <algorithm>
#include <cmath>

#include "core/editor_core.h"
#include "geometry/float_to_int.h"

namespace veltro::qt {

namespace {

// A fitted frame never shrinks below a quarter, so a window squeezed to
// nothing still maps every position to a finite pixel.
constexpr double kSmallestFitScale = 0.25;

}  // namespace

Zoom Zoom::in(double shownScale) const {
    const int next = truncToInt(std::floor(shownScale)) + 1;
    return Zoom(std::clamp(next, 1, kLargestFactor), false);
}

Zoom Zoom::out(double shownScale) const {
    const int next = truncToInt(std::ceil(shownScale)) - 1;
    return Zoom(std::clamp(next, 1, kLargestFactor), false);
}

double Zoom::scaleIn(QSize area) const {
    if (!fit_) {
        return factor_;
    }
    const double across = static_cast<double>(area.width()) / EditorCore::kWidth;
    const double down = static_cast<double>(area.height()) / EditorCore::kHeight;
    return std::clamp(std::min(across, down), kSmallestFitScale,
                      static_cast<double>(kLargestFactor));
}

std::string Zoom::saved() const {
    return fit_ ? "fit" : std::to_string(factor_);
}

Zoom Zoom::fromSaved(const std::string& text) {
    if (text == "fit") {
        return fitToWindow();
    }
    for (int factor = 1; factor <= kLargestFactor; ++factor) {
        if (text == std::to_string(factor)) {
            return Zoom(factor, false);
        }
    }
    return actualSize();
}

int framePixelAt(double position, double scale) {
    return truncToInt(std::floor(position / scale));
}

}  // namespace veltro::qt
