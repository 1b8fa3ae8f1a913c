#include <cstdio>
#include <memory>

#include <QApplication>

#include "command_line.h"
#include "core/clock.h"
#include "desktop_editor.h"
#include "display_check.h"
#include "event_sleeper.h"
#include "launch/launch_options.h"
#include "launch/scene_file.h"
#include "launch/session_recording.h"

namespace {

int refuse(const std::string& complaint) {
    std::fprintf(stderr, "veltro: %s\n", complaint.c_str());
    return veltro::kExitRefused;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace veltro;
    using namespace veltro::qt;
    // The command line first: --help and --version need no display, and a
    // bad line or scene is refused before any window opens.
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    LaunchOptions options;
    if (const auto complaint = readCommandLine(arguments, options)) {
        std::fputs(launchRefusal(*complaint).c_str(), stderr);
        return kExitRefused;
    }
    if (options.help || options.version) {
        const std::string text = options.help ? launchHelpText() : launchVersionText();
        return std::fputs(text.c_str(), stdout) >= 0 && std::fflush(stdout) == 0 ? 0 : 1;
    }
    SceneFile scene;
    if (options.open) {
        if (const auto complaint = loadSceneFile(*options.open, scene)) {
            return refuse(*complaint);
        }
    }

    if (const auto problem = displayProblem(currentDisplaySettings())) {
        std::fprintf(stderr, "veltro: %s\n", problem->c_str());
        return 1;
    }
    const QtMessageHandler previous = qInstallMessageHandler(reportStartupFailure);
    QApplication application(argc, argv);
    qInstallMessageHandler(previous);
    // The frame loop decides when the program ends: closing the window is a
    // message to the editor, not a reason for Qt to quit.
    QApplication::setQuitOnLastWindowClosed(false);

    SteadyClock clock;
    EventSleeper sleeper;
    DesktopEditor editor(clock, sleeper);
    if (options.open) {
        if (const auto complaint = editor.openScene(scene)) {
            return refuse(*complaint);
        }
    }
    std::unique_ptr<SessionRecording> recording;
    if (options.record) {
        if (const auto complaint =
                SessionRecording::create(*options.record, options.force, recording)) {
            return refuse(*complaint);
        }
        if (options.open) {
            recording->writeScene(scene);
        }
        editor.core().setObserver(recording.get());
    }
    editor.show();
    const int status = editor.run();
    if (recording && recording->failure()) {
        std::fprintf(stderr, "veltro: %s\n", recording->failure()->c_str());
        return 1;
    }
    return status;
}
