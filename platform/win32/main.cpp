// Entry point of veltro.exe: one window, one editor, one paced frame loop.
#include <windows.h>

#include <memory>

#include "app_window.h"
#include "core/editor_core.h"
#include "launch/launch_options.h"
#include "launch/scene_file.h"
#include "launch/session_recording.h"
#include "launch_text.h"
#include "ui/menu_table.h"
#include "win32_clock.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE /*previous*/, LPSTR /*commandLine*/,
                   int /*showCommand*/) {
    using namespace veltro;
    // The command line first: a bad line or scene is refused before any
    // window opens.
    GivenOptions given;
    auto complaint = readLaunchArguments(win32::commandLineArguments(), given);
    if (!complaint) {
        complaint = finishLaunchOptions(given);
    }
    if (complaint) {
        win32::tellUser(launchRefusal(*complaint), true);
        return kExitRefused;
    }
    const LaunchOptions& options = given.options;
    if (options.help || options.version) {
        win32::tellUser(options.help ? launchHelpText() : launchVersionText(), false);
        return 0;
    }
    const auto refuse = [](const std::string& why) {
        win32::refuseStart("veltro: " + why + "\n");
        return kExitRefused;
    };
    SceneFile scene;
    if (options.open) {
        if (const auto why = loadSceneFile(*options.open, scene)) {
            return refuse(*why);
        }
    }

    win32::FineTimerResolution fineTimer;
    win32::MultimediaClock clock;
    win32::SystemSleeper sleeper;
    win32::AppWindow app(clock, sleeper);
    if (!app.create(instance, kApplicationCaption, static_cast<int>(EditorCore::kWidth),
                    static_cast<int>(EditorCore::kHeight))) {
        app.destroy();
        return 1;
    }
    if (options.open) {
        if (const auto why = app.openScene(scene)) {
            app.destroy();
            return refuse(*why);
        }
    }
    std::unique_ptr<SessionRecording> recording;
    if (options.record) {
        if (const auto why = SessionRecording::create(*options.record, options.force, recording)) {
            app.destroy();
            return refuse(*why);
        }
        if (options.open) {
            recording->writeScene(scene);
        }
        app.core().setObserver(recording.get());
    }
    app.show();
    while (app.isRunning()) {
        app.turn();
    }
    app.destroy();
    if (recording && recording->failure()) {
        win32::refuseStart("veltro: " + *recording->failure() + "\n");
        return 1;
    }
    return 0;
}
