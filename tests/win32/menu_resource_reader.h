#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace veltro::win32_test {

struct ResourceMenuItem {
    std::string text;
    int id = 0;
    bool checked = false;
};

// A popup with its items, or (id set, no items) a command on the bar itself.
struct ResourceBarEntry {
    std::string text;
    int id = 0;
    bool checked = false;
    bool popup = false;
    std::vector<ResourceMenuItem> items;
};

// Reads the MENU block named `name` from a resource script: POPUP and
// MENUITEM lines between BEGIN and END, one level of popups. Returns nothing
// when the block is missing or not in that shape.
std::optional<std::vector<ResourceBarEntry>> readMenuResource(std::string_view script,
                                                              std::string_view name);

// The value of `#define NAME VALUE` in a header, if there is one.
std::optional<int> readDefine(std::string_view header, std::string_view name);

}  // namespace veltro::win32_test
