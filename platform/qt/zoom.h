#pragma once

#include <optional>
#include <string>

#include <QSize>

namespace veltro::qt {

// How much the drawing area enlarges the frame: a whole factor, or as much
// as fits the area (then possibly a fraction). Either way each shown pixel
// is one frame pixel, so the picture stays crisp and every position maps
// back to exactly one frame pixel.
class Zoom {
  public:
    static constexpr int kLargestFactor = 8;

    static Zoom actualSize() { return Zoom(1, false); }
    static Zoom fitToWindow() { return Zoom(1, true); }

    // The next whole factor up or down from the scale shown now.
    Zoom in(double shownScale) const;
    Zoom out(double shownScale) const;

    bool fits() const { return fit_; }
    // The scale for an area this large: the whole factor, or the largest
    // that shows the whole frame in it.
    double scaleIn(QSize area) const;

    // "fit" or the factor, as the settings keep it; anything else read back
    // is the actual size.
    std::string saved() const;
    static Zoom fromSaved(const std::string& text);

    bool operator==(const Zoom&) const = default;

  private:
    Zoom(int factor, bool fit) : factor_(factor), fit_(fit) {}

    int factor_;
    bool fit_;
};

// The frame pixel shown at this position of the area (the one mapping both
// the painting and the pointer use): positions beyond the frame, negative
// ones too, map on beyond its edges.
int framePixelAt(double position, double scale);

}  // namespace veltro::qt
