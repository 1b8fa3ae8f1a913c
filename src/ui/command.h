#pragma once

#include <array>
#include <cstddef>
#include <optional>

#include "curves/curve_method.h"

namespace veltro {

// Everything the user can ask for through the menu. The enumerators follow
// the order of the menu ids; the fuzz seeds pick commands by their position
// in allCommands, so a new command goes at the end.
enum class Command {
    About,
    MakePoints,
    MovePoints,
    ClearPoints,
    NestedLinear,
    Bernstein,
    Midpoint,
    SliderOn,
    SliderOff,
    ShellsOn,
    ShellsOff,
    ParametricPolynomial,
    InterpolatingSpline,
    BSpline,
    ContinuityOn,
    ContinuityOff,
    BSplineSetup,
};

inline constexpr std::size_t kCommandCount = static_cast<std::size_t>(Command::BSplineSetup) + 1;

// Every command, in declaration order.
inline constexpr std::array<Command, kCommandCount> allCommands = [] {
    std::array<Command, kCommandCount> all{};
    for (std::size_t i = 0; i < kCommandCount; ++i) {
        all[i] = static_cast<Command>(i);
    }
    return all;
}();

// The curve method an item of the Object menu chooses; none for the others.
constexpr std::optional<CurveMethod> methodChosenBy(Command command) {
    switch (command) {
        case Command::NestedLinear:
            return CurveMethod::NestedLinear;
        case Command::Bernstein:
            return CurveMethod::Bernstein;
        case Command::Midpoint:
            return CurveMethod::Midpoint;
        case Command::ParametricPolynomial:
            return CurveMethod::ParametricPolynomial;
        case Command::InterpolatingSpline:
            return CurveMethod::InterpolatingSpline;
        case Command::BSpline:
            return CurveMethod::BSpline;
        default:
            return std::nullopt;
    }
}

// The Object menu item that chooses the method.
constexpr Command commandChoosing(CurveMethod method) {
    for (const Command command : allCommands) {
        if (methodChosenBy(command) == method) {
            return command;
        }
    }
    return Command::NestedLinear;
}

}  // namespace veltro
