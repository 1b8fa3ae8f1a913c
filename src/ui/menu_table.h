#pragma once

#include <span>
#include <string_view>

namespace veltro {

struct MenuItemSpec {
    int id;
    std::string_view text;
    bool checkedAtStart;
};

// One entry of the menu bar: a popup with its items, or (when items is
// empty) a command placed on the bar itself.
struct MenuBarEntry {
    std::string_view text;
    int id;  // the bar item's command id; 0 for a popup
    std::span<const MenuItemSpec> items;
    bool isPopup() const { return id == 0; }
};

// The menu bar in display order; every front end builds its menu from this.
std::span<const MenuBarEntry> menuBar();

// The window caption.
inline constexpr std::string_view kApplicationCaption = "VELTRO Project by Maelkin";

}  // namespace veltro
