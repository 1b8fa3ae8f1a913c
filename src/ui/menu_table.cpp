#include "ui/menu_table.h"

#include "ui/command_ids.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>

namespace veltro {

namespace {

enum class RowKind { Popup, PopupEnd, Item, BarItem };

struct Row {
    RowKind kind;
    std::string_view text;
    Command command;
    int id;  // the command's number; 0 for the popups' rows
    bool marked;
};

constexpr Row kRows[] = {
#define VELTRO_MENU_MARKED true
#define VELTRO_MENU_UNMARKED false
#define VELTRO_MENU_POPUP(text) Row{RowKind::Popup, text, {}, 0, false},
#define VELTRO_MENU_POPUP_END Row{RowKind::PopupEnd, {}, {}, 0, false},
#define VELTRO_MENU_ITEM(name, id, text, mark) Row{RowKind::Item, text, Command::name, id, mark},
#define VELTRO_MENU_BAR_ITEM(name, id, text) Row{RowKind::BarItem, text, Command::name, id, false},
#include "ui/menu.def"
#undef VELTRO_MENU_MARKED
#undef VELTRO_MENU_UNMARKED
#undef VELTRO_MENU_POPUP
#undef VELTRO_MENU_POPUP_END
#undef VELTRO_MENU_ITEM
#undef VELTRO_MENU_BAR_ITEM
};

constexpr std::size_t countRows(RowKind kind) {
    return static_cast<std::size_t>(std::count_if(
        std::begin(kRows), std::end(kRows), [kind](const Row& row) { return row.kind == kind; }));
}

constexpr auto kItems = [] {
    std::array<MenuItem, countRows(RowKind::Item)> items{};
    std::size_t next = 0;
    for (const Row& row : kRows) {
        if (row.kind == RowKind::Item) {
            items[next++] = MenuItem{row.command, row.text, row.marked};
        }
    }
    return items;
}();

constexpr auto kMenuBar = [] {
    std::array<MenuBarEntry, countRows(RowKind::Popup) + countRows(RowKind::BarItem)> bar{};
    std::size_t entry = 0;
    std::size_t item = 0;
    for (const Row& row : kRows) {
        switch (row.kind) {
            case RowKind::Popup:
                bar[entry] =
                    MenuBarEntry{row.text, {kItems.data() + item, std::size_t{0}}, std::nullopt};
                break;
            case RowKind::Item:
                bar[entry].items = {bar[entry].items.data(), bar[entry].items.size() + 1};
                ++item;
                break;
            case RowKind::PopupEnd:
                ++entry;
                break;
            case RowKind::BarItem:
                bar[entry++] = MenuBarEntry{row.text, {}, row.command};
                break;
        }
    }
    return bar;
}();

constexpr bool isCommandRow(const Row& row) {
    return row.kind == RowKind::Item || row.kind == RowKind::BarItem;
}

std::string nameOfText(std::string_view text) {
    std::string name;
    bool gap = false;
    for (const char c : text) {
        const bool letter = c >= 'a' && c <= 'z';
        const bool capital = c >= 'A' && c <= 'Z';
        const bool digit = c >= '0' && c <= '9';
        if (!letter && !capital && !digit) {
            gap = true;
            continue;
        }
        if (gap && !name.empty()) {
            name += '-';
        }
        gap = false;
        name += capital ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return name;
}

constexpr auto kMethodsInMenuOrder = [] {
    std::array<CurveMethod, kCurveMethodCount> methods{};
    std::size_t next = 0;
    for (const Row& row : kRows) {
        if (isCommandRow(row) && methodChosenBy(row.command) && next < methods.size()) {
            methods[next++] = *methodChosenBy(row.command);
        }
    }
    return methods;
}();

}  // namespace

std::span<const MenuBarEntry> menuBar() {
    return kMenuBar;
}

std::span<const CurveMethod> methodsInMenuOrder() {
    return kMethodsInMenuOrder;
}

std::string_view menuText(Command command) {
    for (const Row& row : kRows) {
        if (isCommandRow(row) && row.command == command) {
            return row.text;
        }
    }
    return {};
}

int commandId(Command command) {
    for (const Row& row : kRows) {
        if (isCommandRow(row) && row.command == command) {
            return row.id;
        }
    }
    return 0;
}

std::optional<Command> commandWithId(long long id) {
    for (const Row& row : kRows) {
        if (isCommandRow(row) && row.id == id) {
            return row.command;
        }
    }
    return std::nullopt;
}

std::string commandName(Command command) {
    for (const Row& row : kRows) {
        if (isCommandRow(row) && row.command == command) {
            return nameOfText(row.text);
        }
    }
    return {};
}

std::optional<Command> commandWithName(std::string_view name) {
    for (const Row& row : kRows) {
        if (isCommandRow(row) && !name.empty() && nameOfText(row.text) == name) {
            return row.command;
        }
    }
    return std::nullopt;
}

}  // namespace veltro
