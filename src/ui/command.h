#pragma once

#include <array>
#include <cstddef>

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

}  // namespace veltro
