#include "launch/desktop_launch.h"

#include <memory>
#include <optional>

#include "launch/launch_options.h"
#include "launch/scene_file.h"
#include "launch/session_recording.h"

namespace veltro {

namespace {

// Plays the scene and starts the recording; the complaint if either fails.
std::optional<std::string> prepareSession(const LaunchOptions& options, const SceneFile& scene,
                                          DesktopCore& desktop,
                                          std::unique_ptr<SessionRecording>& recording) {
    if (options.open) {
        if (auto complaint = desktop.playScene(scene)) {
            return complaint;
        }
    }
    if (options.record) {
        if (auto complaint = SessionRecording::create(*options.record, options.force, recording)) {
            return complaint;
        }
        if (options.open) {
            recording->writeScene(scene);
        }
        desktop.core().setObserver(recording.get());
    }
    return std::nullopt;
}

}  // namespace

int runDesktopProgram(const std::vector<std::string>& args, DesktopHost& host) {
    const auto refuse = [&host](const std::string& why) { host.refuse("veltro: " + why + "\n"); };
    // The command line first: --help and --version need no window system,
    // and a bad line or scene is refused before any window opens.
    GivenOptions given;
    auto complaint = readLaunchArguments(args, given);
    if (!complaint) {
        complaint = finishLaunchOptions(given);
    }
    if (complaint) {
        host.tellUser(launchRefusal(*complaint), true);
        return kExitRefused;
    }
    const LaunchOptions& options = given.options;
    if (options.help || options.version) {
        return host.tellUser(options.help ? launchHelpText() : launchVersionText(), false) ? 0 : 1;
    }
    SceneFile scene;
    if (options.open) {
        if (const auto why = loadSceneFile(*options.open, scene)) {
            refuse(*why);
            return kExitRefused;
        }
    }

    DesktopCore* desktop = host.openWindow();
    if (desktop == nullptr) {
        return 1;
    }
    std::unique_ptr<SessionRecording> recording;
    const auto refused = prepareSession(options, scene, *desktop, recording);
    if (!refused) {
        host.showWindow();
        desktop->endScene();
        host.runUntilClosed();
    }
    host.closeWindow();
    if (refused) {
        refuse(*refused);
        return kExitRefused;
    }
    if (recording && recording->failure()) {
        refuse(*recording->failure());
        return 1;
    }
    return 0;
}

}  // namespace veltro
