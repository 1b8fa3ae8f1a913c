// Entry point of veltro.exe: one window, one editor, one paced frame loop.
#include <windows.h>

#include "app/frame_loop.h"
#include "app_window.h"
#include "ui/editor_state.h"
#include "ui/menu_table.h"
#include "win32_clock.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE /*previous*/, LPSTR /*commandLine*/,
                   int /*showCommand*/) {
    using namespace veltro;
    EditorState state;
    win32::AppWindow app(state);
    if (!app.create(instance, kApplicationCaption, static_cast<int>(FrameBuffer::kWidth),
                    static_cast<int>(FrameBuffer::kHeight))) {
        app.destroy();
        return 1;
    }

    win32::FineTimerResolution fineTimer;
    win32::MultimediaClock clock;
    win32::SystemSleeper sleeper;
    FrameLoop loop(clock, sleeper);
    loop.start();
    while (app.isRunning()) {
        loop.turn(app);
    }
    app.destroy();
    return 0;
}
