#include "ui/menu_table.h"

#include <array>

#include "ui/command_ids.h"

namespace veltro {

namespace {

using namespace command;

constexpr std::array kObjectItems{
    MenuItemSpec{kMakePoints, "Make Points", true},
    MenuItemSpec{kClearPoints, "Clear Points", false},
    MenuItemSpec{kNestedLinear, "Nested Linear Interpolation", true},
    MenuItemSpec{kBernstein, "Bernstein Polynomials", false},
    MenuItemSpec{kMidpoint, "Midpoint Subdivision", false},
    MenuItemSpec{kParametricPolynomial, "Parametric Polynomial Curve", false},
    MenuItemSpec{kInterpolatingSpline, "Interpolating Spline", false},
    MenuItemSpec{kBSpline, "B-Spline", false},
};

constexpr std::array kHelpItems{
    MenuItemSpec{kAbout, "About", false},
};

constexpr std::array kOptionsItems{
    MenuItemSpec{kSliderOn, "Slider On", false},
    MenuItemSpec{kSliderOff, "Slider Off", true},
    MenuItemSpec{kShellsOn, "Shells On", false},
    MenuItemSpec{kShellsOff, "Shells Off", true},
    MenuItemSpec{kContinuityOn, "Continuity On", false},
    MenuItemSpec{kContinuityOff, "Continuity Off", true},
    MenuItemSpec{kBSplineSetup, "B-Spline Setup", false},
};

constexpr std::array kMenuBar{
    MenuBarEntry{"Object", 0, kObjectItems},
    MenuBarEntry{"Help", 0, kHelpItems},
    MenuBarEntry{"Move Points", kMovePoints, {}},
    MenuBarEntry{"Options", 0, kOptionsItems},
};

}  // namespace

std::span<const MenuBarEntry> menuBar() {
    return kMenuBar;
}

}  // namespace veltro
