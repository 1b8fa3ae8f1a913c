#pragma once

#include "ui/shell.h"

namespace veltro::web {

// What the core asks of the page, handed to the page's script: message
// boxes, the title and new "B-Spline Input" dialogs. A page cannot
// block, so a message box returns at once; the page holds the frame loop
// and the frame until the box is dismissed.
class PageShell final : public Shell {
  public:
    void showMessageBox(std::string_view text, std::string_view caption) override;
    void setTitle(std::string_view title) override;
    void openBSplineDialog(int dialogId, std::string_view degreeText,
                           std::string_view knotText) override;
};

}  // namespace veltro::web
