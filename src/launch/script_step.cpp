#include "launch/script_step.h"

#include <utility>

#include "ui/command_ids.h"

namespace veltro {

std::optional<std::string> playScriptStep(EditorCore& core, const Message& message) {
    Message delivered = message;
    if (message.kind == Message::Kind::DialogOk || message.kind == Message::Kind::DialogCancel) {
        const std::optional<int> newest = core.newestDialog();
        if (!newest) {
            return std::string(message.kind == Message::Kind::DialogOk ? "'dialog ok'"
                                                                       : "'dialog cancel'") +
                   " but no B-Spline Input dialog is open (menu " +
                   commandName(Command::BSplineSetup) + " opens one)";
        }
        delivered.dialogId = *newest;
    }
    core.post(std::move(delivered));
    core.turn();
    return std::nullopt;
}

}  // namespace veltro
