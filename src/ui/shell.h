#pragma once

#include <string_view>

namespace veltro {

// What the core asks of the program that hosts it.
class Shell {
  public:
    virtual ~Shell() = default;
    // A modal box with an OK button; returns when it is dismissed.
    virtual void showMessageBox(std::string_view text, std::string_view caption) = 0;
    // Replace the window title, if the host has a window that can take one.
    virtual void setTitle(std::string_view title) = 0;
    // Open a new modeless "B-Spline Input" dialog with its fields filled in.
    // Its OK and Cancel come back as messages carrying dialogId.
    virtual void openBSplineDialog(int dialogId, std::string_view degreeText,
                                   std::string_view knotText) = 0;
};

}  // namespace veltro
