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
    const std::size_t count = core.points().size();
    const bool noSuchPoint =
        (message.kind == Message::Kind::PlacePoint || message.kind == Message::Kind::DeletePoint) &&
        (message.pointIndex < 0 || static_cast<std::size_t>(message.pointIndex) >= count);
    if (noSuchPoint) {
        return std::string(message.kind == Message::Kind::PlacePoint ? "'place " : "'delete ") +
               std::to_string(message.pointIndex + 1) + "' but there " +
               (count == 1 ? "is 1 point" : "are " + std::to_string(count) + " points");
    }
    core.post(std::move(delivered));
    core.turn();
    return std::nullopt;
}

}  // namespace veltro
