#pragma once

#include <windows.h>

#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "app/frame_buffer.h"
#include "app/frame_loop.h"
#include "geometry/colour.h"
#include "ui/editor_state.h"
#include "ui/message.h"
#include "win32_shell.h"

namespace veltro::win32 {

// The main window, its device context and the DIB section that holds the
// frame buffer. It turns window messages into the core's messages and hands
// them to the core while they are being dispatched.
class AppWindow final : public FrameHost {
  public:
    static constexpr const char* kClassName = "WndClass";

    explicit AppWindow(EditorState& state);
    ~AppWindow() override;
    AppWindow(const AppWindow&) = delete;
    AppWindow& operator=(const AppWindow&) = delete;

    // Registers the class, creates the window with menu 101 so that its
    // client area is width x height, shows it and makes the frame buffer.
    bool create(HINSTANCE instance, std::string_view caption, int width, int height);
    bool isRunning() const { return running_; }

    // FrameHost: one turn of the frame loop.
    void pumpMessage() override;
    bool redrawRequested() const override { return state_.redrawRequested; }
    void drawFrame() override;
    void present() override;

    void setPixel(std::uint32_t x, std::uint32_t y, const Colour& colour);

    // Releases what create acquired; safe after a failed or partial create
    // and safe to call twice.
    void destroy();

    // Hands one message to the core. A message box runs its own message loop
    // inside the core's handling of a command; messages dispatched by that
    // loop wait until the core has returned, so the core is never re-entered.
    void deliver(Message message);

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
    LRESULT handleWindowMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void releaseLostCapture(LPARAM newOwner);
    bool createFrameBuffer();
    void fitClientArea();
    bool routeToDialog(MSG& message);

    EditorState& state_;
    Win32Shell shell_;

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
    FrameBuffer frame_{nullptr, 0, 0};

    // Set while a left-button press holds the mouse capture.
    bool captureHeld_ = false;
    bool delivering_ = false;
    std::deque<Message> pending_;
    std::vector<HWND> dialogs_;
};

}  // namespace veltro::win32
