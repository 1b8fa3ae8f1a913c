#pragma once

#include "main_window.h"
#include "ui/shell.h"

namespace veltro::qt {

// What the core asks of its host, done with the real window: modal message
// boxes, the title and new "B-Spline Input" dialogs.
class QtShell final : public Shell {
  public:
    explicit QtShell(MainWindow& window) : window_(window) {}

    // Runs the box's own modal loop: the frame loop waits until it is
    // dismissed.
    void showMessageBox(std::string_view text, std::string_view caption) override;
    void setTitle(std::string_view title) override;
    void openBSplineDialog(int dialogId, std::string_view degreeText,
                           std::string_view knotText) override;

  private:
    MainWindow& window_;
};

}  // namespace veltro::qt
