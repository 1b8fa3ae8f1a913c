#include "win32_shell.h"

#include <windows.h>

#include <string>

#include "app_window.h"
#include "bspline_dialog_window.h"

namespace veltro::win32 {

void Win32Shell::showMessageBox(std::string_view text, std::string_view caption) {
    const std::string textZ(text);
    const std::string captionZ(caption);
    MessageBoxA(app_.window(), textZ.c_str(), captionZ.c_str(), MB_OK);
}

void Win32Shell::setTitle(std::string_view title) {
    // A window whose style reads as zero is gone or was never made.
    if (app_.window() == nullptr || GetWindowLongA(app_.window(), GWL_STYLE) == 0) {
        return;
    }
    const std::string titleZ(title);
    SetWindowTextA(app_.window(), titleZ.c_str());
}

void Win32Shell::openBSplineDialog(int dialogId, std::string_view degreeText,
                                   std::string_view knotText) {
    openBSplineDialogWindow(app_, dialogId, degreeText, knotText);
}

}  // namespace veltro::win32
