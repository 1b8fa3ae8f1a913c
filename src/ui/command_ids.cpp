#include "ui/command_ids.h"

namespace veltro {

namespace {

struct NumberedCommand {
    Command command;
    int id;
};

constexpr NumberedCommand kNumbered[] = {
#define VELTRO_MENU_MARKED
#define VELTRO_MENU_UNMARKED
#define VELTRO_MENU_POPUP(text)
#define VELTRO_MENU_POPUP_END
#define VELTRO_MENU_ITEM(name, id, text, mark) NumberedCommand{Command::name, id},
#define VELTRO_MENU_BAR_ITEM(name, id, text) NumberedCommand{Command::name, id},
#include "ui/menu.def"
#undef VELTRO_MENU_MARKED
#undef VELTRO_MENU_UNMARKED
#undef VELTRO_MENU_POPUP
#undef VELTRO_MENU_POPUP_END
#undef VELTRO_MENU_ITEM
#undef VELTRO_MENU_BAR_ITEM
};

}  // namespace

int commandId(Command command) {
    for (const NumberedCommand& entry : kNumbered) {
        if (entry.command == command) {
            return entry.id;
        }
    }
    return 0;
}

std::optional<Command> commandWithId(long long id) {
    for (const NumberedCommand& entry : kNumbered) {
        if (entry.id == id) {
            return entry.command;
        }
    }
    return std::nullopt;
}

}  // namespace veltro
