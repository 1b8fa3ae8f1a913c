#include "launch/desktop_launch.h"

#include <csignal>
#include <memory>
#include <optional>

#include "core/clock.h"
#include "launch/launch_options.h"
#include "launch/scene_file.h"
#include "launch/session_recording.h"

namespace veltro {

namespace {

// A shell for a scene played without a window: nothing to show.
class QuietShell final : public Shell {
  public:
    void showMessageBox(std::string_view, std::string_view) override {}
    void setTitle(std::string_view) override {}
    void openBSplineDialog(int, std::string_view, std::string_view) override {}
};

// Plays the scene once without a window, so a scene that cannot be played
// to its end is refused like any bad file, before a display is needed.
std::optional<std::string> checkScene(const SceneFile& scene) {
    QuietShell shell;
    ManualClock clock;
    DesktopCore trial(shell, clock, clock, nullptr);
    return trial.playScene(scene);
}

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
            if (auto failure = recording->failure()) {
                SessionRecording::abandon(recording);
                return failure;
            }
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
        auto why = loadSceneFile(*options.open, scene);
        if (!why) {
            why = checkScene(scene);
        }
        if (why) {
            refuse(*why);
            return kExitRefused;
        }
    }
    if (options.record) {
        if (const auto why = SessionRecording::checkTarget(*options.record, options.force)) {
            refuse(*why);
            return kExitRefused;
        }
    }
#ifdef SIGXFSZ
    // Past a file size limit a write is to fail (and the recording to say
    // so), not to end the program with the session unsaved.
    if (options.record) {
        std::signal(SIGXFSZ, SIG_IGN);
    }
#endif

    DesktopCore* desktop = host.openWindow();
    if (desktop == nullptr) {
        return 1;
    }
    std::unique_ptr<SessionRecording> recording;
    const auto refused = prepareSession(options, scene, *desktop, recording);
    if (!refused) {
        host.showWindow();
        desktop->endScene();
        if (recording) {
            recording->tellFailuresThrough(&desktop->shell());
        }
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
