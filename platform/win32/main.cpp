// Entry point of veltro.exe: one window, one editor, one paced frame loop.
#include <windows.h>

#include <optional>
#include <string>

#include "app_window.h"
#include "core/editor_core.h"
#include "launch/desktop_launch.h"
#include "launch_text.h"
#include "ui/menu_table.h"
#include "win32_clock.h"

namespace {

using namespace veltro;

// The Windows program: texts go to whoever started it, or into a message
// box, which a program started from the desktop needs.
class Win32Desktop final : public DesktopHost {
  public:
    explicit Win32Desktop(HINSTANCE instance) : instance_(instance) {}

    bool tellUser(const std::string& text, bool isError) override {
        win32::tellUser(text, isError);
        return true;
    }
    void refuse(const std::string& text) override { win32::refuseStart(text); }

    DesktopCore* openWindow() override {
        fineTimer_.emplace();
        app_.emplace(clock_, sleeper_);
        if (!app_->create(instance_, kApplicationCaption, static_cast<int>(EditorCore::kWidth),
                          static_cast<int>(EditorCore::kHeight))) {
            app_->destroy();
            return nullptr;
        }
        return &app_->desktop();
    }
    void showWindow() override { app_->show(); }
    void runUntilClosed() override {
        while (app_->isRunning()) {
            app_->turn();
        }
    }
    void closeWindow() override { app_->destroy(); }

  private:
    HINSTANCE instance_;
    std::optional<win32::FineTimerResolution> fineTimer_;
    win32::MultimediaClock clock_;
    win32::SystemSleeper sleeper_;
    std::optional<win32::AppWindow> app_;
};

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE /*previous*/, LPSTR /*commandLine*/,
                   int /*showCommand*/) {
    Win32Desktop host(instance);
    return runDesktopProgram(win32::commandLineArguments(), host);
}
