#include "launch/scene_player.h"

namespace veltro {

std::optional<std::string> playScene(const SceneFile& scene, EditorCore& core, SceneShell& shell,
                                     SceneClock& clock) {
    shell.beginScene();
    clock.setFast(true);
    std::optional<std::string> complaint;
    for (const replay::ScriptStep& step : scene.script.steps) {
        Message message = step.message;
        if (message.kind == Message::Kind::Close) {
            break;
        }
        if (message.kind == Message::Kind::DialogOk ||
            message.kind == Message::Kind::DialogCancel) {
            const std::vector<int>& open = core.state().openDialogs;
            if (open.empty()) {
                complaint =
                    scene.path + ":" + std::to_string(step.line) + ": '" +
                    (message.kind == Message::Kind::DialogOk ? "dialog ok" : "dialog cancel") +
                    "' but no B-Spline Input dialog is open (menu 40053 opens one)";
                break;
            }
            message.dialogId = open.back();
        }
        core.post(std::move(message));
        core.turn();
    }
    clock.setFast(false);
    return complaint;
}

}  // namespace veltro
