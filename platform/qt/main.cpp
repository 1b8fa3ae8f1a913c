#include <cstdio>

#include <QApplication>

#include "core/clock.h"
#include "desktop_editor.h"
#include "display_check.h"
#include "event_sleeper.h"

int main(int argc, char** argv) {
    using namespace veltro::qt;
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

    veltro::SteadyClock clock;
    EventSleeper sleeper;
    DesktopEditor editor(clock, sleeper);
    editor.show();
    return editor.run();
}
