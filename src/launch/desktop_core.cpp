#include "launch/desktop_core.h"

#include "launch/script_step.h"

namespace veltro {

DesktopCore::DesktopCore(Shell& shell, Clock& clock, Sleeper& sleeper, EventPump* pump)
    : sceneShell_(shell),
      sceneClock_(clock, sleeper),
      core_(sceneShell_, sceneClock_, sceneClock_, pump) {}

std::optional<std::string> DesktopCore::playScene(const SceneFile& scene) {
    sceneShell_.beginScene();
    sceneClock_.setFast(true);
    std::optional<std::string> complaint;
    for (const replay::ScriptStep& step : scene.script.steps) {
        if (step.message.kind == Message::Kind::Close) {
            break;
        }
        if (const auto refused = playScriptStep(core_, step.message)) {
            complaint = scene.path + ":" + std::to_string(step.line) + ": " + *refused;
            break;
        }
    }
    sceneClock_.setFast(false);
    return complaint;
}

}  // namespace veltro
