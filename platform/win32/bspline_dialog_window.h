#pragma once

#include <string_view>

namespace veltro::win32 {

class AppWindow;

// Creates and shows a new modeless "B-Spline Input" dialog (resource 102)
// owned by the main window, its fields filled with the given texts. OK and
// Cancel go to the core as messages carrying dialogId; either one then
// destroys the dialog.
void openBSplineDialogWindow(AppWindow& app, int dialogId, std::string_view degreeText,
                             std::string_view knotText);

}  // namespace veltro::win32
