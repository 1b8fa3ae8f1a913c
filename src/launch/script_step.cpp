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
    if (message.kind == Message::Kind::PlacePoint &&
        core.placementOf(message.pointIndex, message.x, message.y) == Placement::NoSuchPoint) {
        const std::size_t count = core.points().size();
        return "'place " + std::to_string(message.pointIndex + 1) + "' but there " +
               (count == 1 ? "is 1 point" : "are " + std::to_string(count) + " points");
    }
    core.post(std::move(delivered));
    core.turn();
    return std::nullopt;
}

}  // namespace veltro
