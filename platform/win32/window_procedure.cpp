// The main window's procedure: Windows messages become the core's messages.
#include <windows.h>
#include <windowsx.h>

#include "app_window.h"
#include "ui/command_ids.h"
#include "ui/key_codes.h"

namespace veltro::win32 {

namespace {

// Client coordinates are signed 16-bit values: while the mouse is captured a
// position left of or above the client area is negative.
Message mouseMessage(Message::Kind kind, LPARAM lParam) {
    return Message::mouse(kind, static_cast<float>(GET_X_LPARAM(lParam)),
                          static_cast<float>(GET_Y_LPARAM(lParam)));
}

}  // namespace

LRESULT CALLBACK AppWindow::windowProcedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* creation = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        auto* app = static_cast<AppWindow*>(creation->lpCreateParams);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(app));
        if (app != nullptr) {
            app->window_ = window;
        }
        return DefWindowProcA(window, message, wParam, lParam);
    }
    auto* app = reinterpret_cast<AppWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (app == nullptr) {
        return DefWindowProcA(window, message, wParam, lParam);
    }
    return app->handleWindowMessage(message, wParam, lParam);
}

LRESULT AppWindow::handleWindowMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: {
            // The picture is only ever put there by present; uncovered parts
            // stay as they are until the next requested frame.
            PAINTSTRUCT paint;
            BeginPaint(window_, &paint);
            EndPaint(window_, &paint);
            return 0;
        }
        case WM_CLOSE:
            // The window stays; the frame loop ends when it takes the quit
            // message from the queue.
            PostQuitMessage(0);
            deliver(Message::close());
            return 0;
        case WM_DESTROY:
            return 0;
        case WM_KEYDOWN:
            // Bit 30: the key was already down, so this is an auto-repeat.
            deliver(Message::keyDown(keyForVirtualCode(static_cast<long long>(wParam)),
                                     (lParam & (1L << 30)) != 0));
            return 0;
        case WM_COMMAND:
            // A number that is none of the menu's commands is ignored.
            if (const auto command = commandWithId(LOWORD(wParam))) {
                deliver(Message::menu(*command));
            }
            return 0;
        case WM_MOUSEMOVE:
            deliver(mouseMessage(Message::Kind::MouseMove, lParam));
            return 0;
        case WM_LBUTTONDOWN:
            // Holding the capture until the release means the release is
            // delivered even outside the window, so no drag stays stuck.
            SetCapture(window_);
            captureHeld_ = true;
            deliver(mouseMessage(Message::Kind::LeftPress, lParam));
            return 0;
        case WM_LBUTTONUP:
            captureHeld_ = false;
            deliver(mouseMessage(Message::Kind::LeftRelease, lParam));
            ReleaseCapture();
            return 0;
        case WM_LBUTTONDBLCLK:
            // The second press of a double click is not a press.
            deliver(mouseMessage(Message::Kind::LeftDoubleClick, lParam));
            return DefWindowProcA(window_, message, wParam, lParam);
        case WM_CAPTURECHANGED:
            releaseLostCapture(lParam);
            return 0;
        case WM_SIZING:
            return TRUE;
        default:
            return DefWindowProcA(window_, message, wParam, lParam);
    }
}

void AppWindow::releaseLostCapture(LPARAM newOwner) {
    // Another window took the mouse in the middle of a press (a system
    // dialog, a switch to another program): the button-up will never come
    // here, so end the press now.
    if (!captureHeld_ || reinterpret_cast<HWND>(newOwner) == window_) {
        return;
    }
    captureHeld_ = false;
    POINT cursor{};
    GetCursorPos(&cursor);
    ScreenToClient(window_, &cursor);
    deliver(Message::mouse(Message::Kind::LeftRelease, static_cast<float>(cursor.x),
                           static_cast<float>(cursor.y)));
}

}  // namespace veltro::win32
