#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "ui/command.h"

namespace veltro {

struct MenuItem {
    Command command;
    std::string_view text;
    bool checkedAtStart;
};

// One entry of the menu bar: a popup with its items, or a command placed on
// the bar itself.
struct MenuBarEntry {
    std::string_view text;
    std::span<const MenuItem> items;  // a popup's items, in order
    std::optional<Command> command;   // set for a command on the bar
    bool isPopup() const { return !command.has_value(); }
};

// The menu bar in display order; every front end builds its menu from this.
std::span<const MenuBarEntry> menuBar();

// The curve methods in the order the menu offers them.
std::span<const CurveMethod> methodsInMenuOrder();

// The menu's text for a command; empty for one the menu does not show.
std::string_view menuText(Command command);

// The window caption.
inline constexpr std::string_view kApplicationCaption = "VELTRO Project by Maelkin";

}  // namespace veltro
