#include "display_check.h"

#include <cstdio>
#include <cstdlib>

#include <QString>

namespace veltro::qt {

namespace {

constexpr const char* kHint =
    "veltro needs a graphical desktop session; without one, start it as "
    "'xvfb-run ./run.sh' or set DISPLAY.";

std::string_view variable(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string_view() : std::string_view(value);
}

bool platformMayWork(std::string_view name, const DisplaySettings& settings) {
    if (name.starts_with("xcb")) {
        return !settings.x11Display.empty();
    }
    if (name.starts_with("wayland")) {
        return !settings.waylandDisplay.empty();
    }
    // offscreen, vnc, eglfs, linuxfb, ...: Qt finds out for itself.
    return true;
}

}  // namespace

DisplaySettings currentDisplaySettings() {
    return {variable("QT_QPA_PLATFORM"), variable("DISPLAY"), variable("WAYLAND_DISPLAY")};
}

std::optional<std::string> displayProblem(const DisplaySettings& settings) {
    if (settings.qpaPlatform.empty()) {
        if (settings.x11Display.empty() && settings.waylandDisplay.empty()) {
            return std::string("no display: neither DISPLAY nor WAYLAND_DISPLAY is set. ") + kHint;
        }
        return std::nullopt;
    }
    // A list such as "wayland;xcb" is tried in order until one works.
    std::string_view rest = settings.qpaPlatform;
    while (true) {
        const std::size_t split = rest.find(';');
        const std::string_view name = rest.substr(0, split);
        if (!name.empty() && platformMayWork(name, settings)) {
            return std::nullopt;
        }
        if (split == std::string_view::npos) {
            break;
        }
        rest.remove_prefix(split + 1);
    }
    return "no display for QT_QPA_PLATFORM=" + std::string(settings.qpaPlatform) + ". " + kHint;
}

void reportStartupFailure(QtMsgType type, const QMessageLogContext& context,
                          const QString& message) {
    const QByteArray line = qFormatLogMessage(type, context, message).toLocal8Bit();
    if (type != QtFatalMsg) {
        std::fprintf(stderr, "%s\n", line.constData());
        return;
    }
    std::fprintf(stderr, "veltro: cannot open a window: %s\n%s\n", line.constData(), kHint);
    std::fflush(stderr);
    std::_Exit(1);
}

}  // namespace veltro::qt
