// Entry point of veltro.exe: one window, one editor, one paced frame loop.
#include <windows.h>

#include "app_window.h"
#include "core/editor_core.h"
#include "ui/menu_table.h"
#include "win32_clock.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE /*previous*/, LPSTR /*commandLine*/,
                   int /*showCommand*/) {
    using namespace veltro;
    win32::FineTimerResolution fineTimer;
    win32::MultimediaClock clock;
    win32::SystemSleeper sleeper;
    win32::AppWindow app(clock, sleeper);
    if (!app.create(instance, kApplicationCaption, static_cast<int>(EditorCore::kWidth),
                    static_cast<int>(EditorCore::kHeight))) {
        app.destroy();
        return 1;
    }
    while (app.isRunning()) {
        app.turn();
    }
    app.destroy();
    return 0;
}
