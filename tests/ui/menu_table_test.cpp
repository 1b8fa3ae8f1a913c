#include "ui/menu_table.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "ui/command_ids.h"

namespace veltro {
namespace {

TEST(MenuTable, EveryCommandIsInTheMenuOnceWithANumberOfItsOwn) {
    std::map<Command, int> seen;
    for (const MenuBarEntry& entry : menuBar()) {
        if (!entry.isPopup()) {
            EXPECT_TRUE(entry.items.empty());
            ++seen[*entry.command];
        }
        for (const MenuItem& item : entry.items) {
            ++seen[item.command];
        }
    }
    std::set<int> ids;
    for (Command command : allCommands) {
        const int id = commandId(command);
        SCOPED_TRACE(id);
        EXPECT_EQ(seen[command], 1);
        EXPECT_TRUE(ids.insert(id).second);
        EXPECT_EQ(commandWithId(id), command);
    }
    EXPECT_EQ(seen.size(), allCommands.size());
}

TEST(MenuTable, NumbersOutsideTheMenuNameNoCommand) {
    for (long long id : {0LL, -1LL, 40000LL, 40022LL, 40016LL + 65536, 4294967295LL}) {
        EXPECT_FALSE(commandWithId(id)) << id;
    }
}

}  // namespace
}  // namespace veltro
