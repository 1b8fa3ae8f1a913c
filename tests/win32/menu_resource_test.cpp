// The Windows program builds its menu bar from resource 101, the other
// programs from the core's menu table: the two must not drift apart.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "menu_resource_reader.h"
#include "ui/command_ids.h"
#include "ui/menu_table.h"

namespace veltro::win32_test {
namespace {

std::string readFile(const char* path) {
    std::ifstream in(path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<ResourceBarEntry> windowsMenu() {
    const auto menu = readMenuResource(readFile(VELTRO_RESOURCE_SCRIPT), "VELTRO_MENU_MAIN");
    EXPECT_TRUE(menu.has_value()) << "no readable VELTRO_MENU_MAIN MENU block";
    return menu.value_or(std::vector<ResourceBarEntry>{});
}

TEST(MenuResource, ResourceIdsAreTheOnesTheProgramUses) {
    const std::string header = readFile(VELTRO_RESOURCE_IDS);
    const struct {
        const char* name;
        int value;
    } cases[] = {
        {"VELTRO_MENU_MAIN", 101},
        {"VELTRO_DIALOG_BSPLINE", 102},
        {"VELTRO_FIELD_DEGREE", 1001},
        {"VELTRO_FIELD_KNOTS", 1002},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(readDefine(header, c.name), c.value) << c.name;
    }
}

TEST(MenuResource, BarMatchesTheCoreMenuTable) {
    const std::vector<ResourceBarEntry> resource = windowsMenu();
    const auto core = menuBar();
    ASSERT_EQ(resource.size(), core.size());
    for (std::size_t i = 0; i < core.size(); ++i) {
        SCOPED_TRACE(std::string(core[i].text));
        EXPECT_EQ(resource[i].text, core[i].text);
        EXPECT_EQ(resource[i].popup, core[i].isPopup());
        EXPECT_EQ(resource[i].id, core[i].isPopup() ? 0 : commandId(*core[i].command));
        EXPECT_FALSE(resource[i].checked) << "bar items carry no check mark";
        ASSERT_EQ(resource[i].items.size(), core[i].items.size());
        for (std::size_t j = 0; j < core[i].items.size(); ++j) {
            const MenuItem& expected = core[i].items[j];
            const ResourceMenuItem& actual = resource[i].items[j];
            SCOPED_TRACE(std::string(expected.text));
            EXPECT_EQ(actual.text, expected.text);
            EXPECT_EQ(actual.id, commandId(expected.command));
            EXPECT_EQ(actual.checked, expected.checkedAtStart);
        }
    }
}

// The reader must not pass a menu that it could not really read.
TEST(MenuResourceReader, RejectsScriptsItCannotRead) {
    const char* const cases[] = {
        "",
        "M MENU\nBEGIN\nMENUITEM \"A\", 1\n",                          // no END
        "M MENU\nMENUITEM \"A\", 1\nEND\n",                            // no BEGIN
        "M MENU\nBEGIN\nMENUITEM \"A\"\nEND\n",                        // item without id
        "M MENU\nBEGIN\nMENUITEM \"A\", x1\nEND\n",                    // id not a number
        "M MENU\nBEGIN\nMENUITEM \"A, 1\nEND\n",                       // unclosed text
        "M MENU\nBEGIN\nPOPUP \"P\"\nBEGIN\nPOPUP \"Q\"\nEND\nEND\n",  // nested popup
        "M MENU\nBEGIN\nMENUITEM SEPARATOR\nEND\n",                    // not modelled
        "N MENU\nBEGIN\nMENUITEM \"A\", 1\nEND\n",                     // other name
    };
    for (const char* script : cases) {
        EXPECT_FALSE(readMenuResource(script, "M").has_value()) << script;
    }
}

TEST(MenuResourceReader, ReadsPopupsBarCommandsAndCheckMarks) {
    const auto menu = readMenuResource(
        "// comment\nM MENU\nBEGIN\n  POPUP \"File\"\n  BEGIN\n    MENUITEM \"Open\", 7, CHECKED"
        "  // trailing\n    MENUITEM \"Save\", 8\n  END\n  MENUITEM \"Go\", 9\nEND\n",
        "M");
    ASSERT_TRUE(menu.has_value());
    ASSERT_EQ(menu->size(), 2u);
    EXPECT_TRUE((*menu)[0].popup);
    ASSERT_EQ((*menu)[0].items.size(), 2u);
    EXPECT_EQ((*menu)[0].items[0].text, "Open");
    EXPECT_EQ((*menu)[0].items[0].id, 7);
    EXPECT_TRUE((*menu)[0].items[0].checked);
    EXPECT_FALSE((*menu)[0].items[1].checked);
    EXPECT_FALSE((*menu)[1].popup);
    EXPECT_EQ((*menu)[1].id, 9);
}

}  // namespace
}  // namespace veltro::win32_test
