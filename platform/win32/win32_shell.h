#pragma once

#include <string_view>

#include "ui/shell.h"

namespace veltro::win32 {

class AppWindow;

// The core's requests carried out on the main window: message boxes owned
// by the window, the title, and new modeless dialogs.
class Win32Shell final : public Shell {
  public:
    explicit Win32Shell(AppWindow& app) : app_(app) {}

    void showMessageBox(std::string_view text, std::string_view caption) override;
    void setTitle(std::string_view title) override;
    void openBSplineDialog(int dialogId, std::string_view degreeText,
                           std::string_view knotText) override;

  private:
    AppWindow& app_;
};

}  // namespace veltro::win32
