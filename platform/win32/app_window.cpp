#include "app_window.h"

#include <algorithm>
#include <cstring>

#include "resource_ids.h"
#include "ui/command_ids.h"
#include "ui/menu_table.h"

namespace veltro::win32 {

AppWindow::AppWindow(Clock& clock, Sleeper& sleeper)
    : shell_(*this), desktop_(shell_, clock, sleeper, this) {}

AppWindow::~AppWindow() {
    destroy();
}

bool AppWindow::create(HINSTANCE instance, std::string_view caption, int width, int height) {
    WNDCLASSA windowClass{};
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = &AppWindow::windowProcedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_CROSS);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = className_.c_str();
    if (RegisterClassA(&windowClass) == 0) {
        return false;
    }
    classRegistered_ = true;
    instance_ = instance;

    HMENU menu = LoadMenuA(instance, MAKEINTRESOURCEA(VELTRO_MENU_MAIN));
    // The whole drawing area must be visible, so width x height is the
    // client area and the frame, title bar and menu bar come on top.
    RECT outer{0, 0, width, height};
    AdjustWindowRect(&outer, WS_OVERLAPPEDWINDOW, menu != nullptr ? TRUE : FALSE);
    const std::string captionZ(caption);
    window_ = CreateWindowExA(0, className_.c_str(), captionZ.c_str(), WS_OVERLAPPEDWINDOW,
                              CW_USEDEFAULT, CW_USEDEFAULT, outer.right - outer.left,
                              outer.bottom - outer.top, nullptr, menu, instance, this);
    if (window_ == nullptr) {
        if (menu != nullptr) {
            DestroyMenu(menu);
        }
        return false;
    }
    width_ = width;
    height_ = height;
    fitClientArea();

    windowDC_ = GetDC(window_);
    // Without its pixels the program could draw nothing, and every
    // setPixel would write through a null pointer.
    if (!createFrameBuffer()) {
        return false;
    }
    running_ = true;
    return true;
}

void AppWindow::show() {
    // An opened scene may have changed them while the window was hidden.
    showCheckMarks();
    ShowWindow(window_, SW_SHOWNORMAL);
    if (core().framesDrawn() > 0) {
        present();
    }
}

void AppWindow::fitClientArea() {
    // AdjustWindowRect assumes a one-line menu bar; if the bar wraps, or the
    // frame differs from what it assumed, correct the outer size. Twice is
    // enough: the second pass sees the bar at its final width.
    for (int pass = 0; pass < 2; ++pass) {
        RECT client{};
        RECT outer{};
        if (!GetClientRect(window_, &client) || !GetWindowRect(window_, &outer)) {
            return;
        }
        const int dw = width_ - (client.right - client.left);
        const int dh = height_ - (client.bottom - client.top);
        if (dw == 0 && dh == 0) {
            return;
        }
        SetWindowPos(window_, nullptr, 0, 0, outer.right - outer.left + dw,
                     outer.bottom - outer.top + dh, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

bool AppWindow::createFrameBuffer() {
    HDC display = CreateDCA("DISPLAY", nullptr, nullptr, nullptr);
    memoryDC_ = CreateCompatibleDC(display);
    if (display != nullptr) {
        DeleteDC(display);
    }
    if (memoryDC_ == nullptr) {
        return false;
    }

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width_;
    info.bmiHeader.biHeight = -height_;  // negative: rows are stored top-down, as the core's
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    dibBitmap_ = CreateDIBSection(memoryDC_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (dibBitmap_ == nullptr || bits == nullptr) {
        return false;
    }
    previousBitmap_ = SelectObject(memoryDC_, dibBitmap_);
    pixels_ = static_cast<std::uint32_t*>(bits);
    // White, as the core's buffer starts.
    std::memset(pixels_, 0xFF, static_cast<std::size_t>(width_) * height_ * sizeof(*pixels_));
    return true;
}

void AppWindow::turn() {
    const bool drew = core().turn();
    showCheckMarks();
    if (drew) {
        present();
    }
}

void AppWindow::showCheckMarks() {
    HMENU menu = window_ != nullptr ? GetMenu(window_) : nullptr;
    if (menu == nullptr) {
        return;
    }
    for (const MenuBarEntry& entry : menuBar()) {
        for (const MenuItem& item : entry.items) {
            const bool checked = core().isChecked(item.command);
            CheckMenuItem(menu, static_cast<UINT>(commandId(item.command)),
                          MF_BYCOMMAND | static_cast<UINT>(checked ? MF_CHECKED : MF_UNCHECKED));
        }
    }
}

bool AppWindow::pumpEvents() {
    MSG message{};
    if (!PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        return false;
    }
    if (message.message == WM_QUIT) {
        running_ = false;
        return false;
    }
    if (message.message == WM_KEYDOWN && message.hwnd == window_ &&
        (message.lParam & (1L << 30)) != 0) {
        dropQueuedRepeats(message);
    }
    if (!routeToDialog(message)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return true;
}

void AppWindow::dropQueuedRepeats(const MSG& repeat) {
    // Auto-repeat outruns one message a frame; the repeats already queued
    // behind this one would keep the key acting long after it is let go.
    // Bounded by what the queue can hold.
    constexpr int kMostDropped = 10000;
    MSG next{};
    for (int dropped = 0; dropped < kMostDropped; ++dropped) {
        if (!PeekMessageA(&next, repeat.hwnd, WM_KEYDOWN, WM_KEYDOWN, PM_NOREMOVE) ||
            next.wParam != repeat.wParam || (next.lParam & (1L << 30)) == 0) {
            return;
        }
        PeekMessageA(&next, repeat.hwnd, WM_KEYDOWN, WM_KEYDOWN, PM_REMOVE);
    }
}

bool AppWindow::routeToDialog(MSG& message) {
    if (message.hwnd == nullptr || dialogs_.empty()) {
        return false;
    }
    HWND root = GetAncestor(message.hwnd, GA_ROOT);
    if (std::find(dialogs_.begin(), dialogs_.end(), root) == dialogs_.end()) {
        return false;
    }
    return IsDialogMessageA(root, &message) != FALSE;
}

void AppWindow::present() {
    const std::vector<std::uint32_t>& words = core().framePixels();
    if (pixels_ == nullptr || width_ != static_cast<int>(EditorCore::kWidth) ||
        height_ != static_cast<int>(EditorCore::kHeight)) {
        return;
    }
    // Both are top-down rows of 32-bit words; BI_RGB ignores the top byte.
    std::memcpy(pixels_, words.data(), words.size() * sizeof(*pixels_));
    BitBlt(windowDC_, 0, 0, width_, height_, memoryDC_, 0, 0, SRCCOPY);
}

void AppWindow::addDialog(HWND dialog) {
    dialogs_.push_back(dialog);
}

void AppWindow::removeDialog(HWND dialog) {
    dialogs_.erase(std::remove(dialogs_.begin(), dialogs_.end(), dialog), dialogs_.end());
}

void AppWindow::destroy() {
    // Destroying a dialog removes it from the list.
    while (!dialogs_.empty()) {
        HWND dialog = dialogs_.back();
        if (!DestroyWindow(dialog)) {
            removeDialog(dialog);
        }
    }
    if (memoryDC_ != nullptr) {
        if (previousBitmap_ != nullptr) {
            SelectObject(memoryDC_, previousBitmap_);
        }
        DeleteDC(memoryDC_);
    }
    if (dibBitmap_ != nullptr) {
        DeleteObject(dibBitmap_);
    }
    memoryDC_ = nullptr;
    dibBitmap_ = nullptr;
    previousBitmap_ = nullptr;
    pixels_ = nullptr;

    if (window_ != nullptr) {
        // From here on the window procedure no longer reaches this object.
        SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
        if (windowDC_ != nullptr) {
            ReleaseDC(window_, windowDC_);
        }
        // The class can only be unregistered once no window uses it.
        DestroyWindow(window_);
    }
    windowDC_ = nullptr;
    if (classRegistered_) {
        UnregisterClassA(className_.c_str(), instance_);
        classRegistered_ = false;
    }
    window_ = nullptr;
    running_ = false;
}

}  // namespace veltro::win32
