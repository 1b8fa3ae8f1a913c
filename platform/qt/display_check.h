#pragma once

#include <optional>
#include <string>
#include <string_view>

#include <QtGlobal>

namespace veltro::qt {

// The three settings that decide where Qt opens its windows; an unset
// variable is an empty view.
struct DisplaySettings {
    std::string_view qpaPlatform;     // QT_QPA_PLATFORM, e.g. "xcb" or "wayland;xcb"
    std::string_view x11Display;      // DISPLAY
    std::string_view waylandDisplay;  // WAYLAND_DISPLAY
};

DisplaySettings currentDisplaySettings();

// Why no window can be opened, when that is certain before Qt tries:
// no platform is named and there is neither an X nor a Wayland display, or
// every platform named needs a display that is not set. Nothing when some
// platform may work.
std::optional<std::string> displayProblem(const DisplaySettings& settings);

// For the construction of the application object only: Qt ends the process
// with abort() when no platform plugin starts. This handler reports that
// as a plain start-up failure and exits with 1.
void reportStartupFailure(QtMsgType type, const QMessageLogContext& context,
                          const QString& message);

}  // namespace veltro::qt
