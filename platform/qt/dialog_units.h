#pragma once

#include <QFontMetrics>
#include <QRect>

namespace veltro::qt {

// Dialog layouts are written in dialog units, which scale with the dialog's
// font: a horizontal unit is a quarter of the font's average character
// width, a vertical unit an eighth of its height.
class DialogUnits {
  public:
    explicit DialogUnits(const QFontMetrics& metrics);

    int x(int units) const { return scale(units, baseX_, 4); }
    int y(int units) const { return scale(units, baseY_, 8); }
    QRect rect(int left, int top, int width, int height) const {
        return {x(left), y(top), x(width), y(height)};
    }

  private:
    // Rounded to the nearest pixel.
    static int scale(int units, int base, int divisor) {
        return (units * base + divisor / 2) / divisor;
    }

    int baseX_;
    int baseY_;
};

}  // namespace veltro::qt
