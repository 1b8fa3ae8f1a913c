#include "launch/scene_player.h"

#include "launch/script_step.h"

namespace veltro {

std::optional<std::string> playScene(const SceneFile& scene, EditorCore& core, SceneShell& shell,
                                     SceneClock& clock) {
    shell.beginScene();
    clock.setFast(true);
    std::optional<std::string> complaint;
    for (const replay::ScriptStep& step : scene.script.steps) {
        if (step.message.kind == Message::Kind::Close) {
            break;
        }
        if (const auto refused = playScriptStep(core, step.message)) {
            complaint = scene.path + ":" + std::to_string(step.line) + ": " + *refused;
            break;
        }
    }
    clock.setFast(false);
    return complaint;
}

}  // namespace veltro
