#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/clock.h"
#include "core/editor_core.h"
#include "launch/desktop_core.h"
#include "ui/message.h"
#include "win32_shell.h"

namespace veltro::win32 {

// The main window, its device context and the DIB section it shows frames
// from, hosting the editor core. Its pump dispatches one window message at
// a time; the window procedure turns it into a core message and posts it.
class AppWindow final : public EventPump {
  public:
    static constexpr const char* kClassName = "WndClass";

    AppWindow(Clock& clock, Sleeper& sleeper);
    ~AppWindow() override;
    AppWindow(const AppWindow&) = delete;
    AppWindow& operator=(const AppWindow&) = delete;

    // Registers the class, creates the window with menu 101 so that its
    // client area is width x height and makes the frame buffer; the window
    // stays hidden until show().
    bool create(HINSTANCE instance, std::string_view caption, int width, int height);
    // Shows the window with the check marks and the last frame drawn, if
    // any.
    void show();
    DesktopCore& desktop() { return desktop_; }
    EditorCore& core() { return desktop_.core(); }
    bool isRunning() const { return running_; }

    // One turn of the core, presenting the frame it drew and the check marks
    // of the state it left.
    void turn();

    // Releases what create acquired; safe after a failed or partial create
    // and safe to call twice.
    void destroy();

    // Hands one message to the core for its next turn. A message box runs
    // its own message loop inside the core's handling of a command; what
    // that loop dispatches waits in the core's queue, so the core is never
    // re-entered.
    void deliver(Message message) { core().post(std::move(message)); }

    HWND window() const { return window_; }
    HINSTANCE instance() const { return instance_; }

    // Open modeless dialogs get their keyboard navigation (Tab, Enter, Esc)
    // from the pump.
    void addDialog(HWND dialog);
    void removeDialog(HWND dialog);

    // The window procedure of class "WndClass".
    static LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam);

  private:
    // The menu's check marks as the state has them.
    void showCheckMarks();
    // Dispatches one pending window message, if there is one.
    bool pumpEvents() override;
    void present();
    LRESULT handleWindowMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void releaseLostCapture(LPARAM newOwner);
    bool createFrameBuffer();
    void fitClientArea();
    bool routeToDialog(MSG& message);
    void dropQueuedRepeats(const MSG& repeat);

    Win32Shell shell_;
    DesktopCore desktop_;

    int width_ = 0;
    int height_ = 0;
    bool running_ = false;
    HWND window_ = nullptr;
    HDC windowDC_ = nullptr;
    HINSTANCE instance_ = nullptr;
    std::string className_ = kClassName;
    bool classRegistered_ = false;
    HBITMAP dibBitmap_ = nullptr;
    HGDIOBJ previousBitmap_ = nullptr;
    HDC memoryDC_ = nullptr;
    std::uint32_t* pixels_ = nullptr;

    // Set while a left-button press holds the mouse capture.
    bool captureHeld_ = false;
    std::vector<HWND> dialogs_;
};

}  // namespace veltro::win32
