#include "script/script_writer.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string_view>

#include "script/script.h"
#include "ui/command_ids.h"
#include "ui/key_codes.h"

namespace veltro::replay {

namespace {

// Nine significant digits read back as the same float.
std::string coordinate(float value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.9g", static_cast<double>(value));
    return text;
}

// The shortest text that reads back as the same double.
std::string shortestDouble(double value) {
    char text[32];
    for (int digits = 1; digits <= 17; ++digits) {
        std::snprintf(text, sizeof text, "%.*g", digits, value);
        if (std::strtod(text, nullptr) == value) {
            break;
        }
    }
    return text;
}

std::optional<std::string> mouseLine(std::string_view command, const Message& message) {
    if (!std::isfinite(message.x) || !std::isfinite(message.y)) {
        return std::nullopt;
    }
    return std::string(command) + " " + coordinate(message.x) + " " + coordinate(message.y);
}

std::optional<std::string> quoted(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        switch (c) {
            case '\0':
                return std::nullopt;
            case '"':
            case '\\':
                out += '\\';
                out += c;
                break;
            case '\n':
                out += "\\n";
                break;
            default:
                out += c;
        }
    }
    return out + "\"";
}

// The point a message names, counted from 1 as scripts count; none for an
// index below 0 or past what a script can write.
std::optional<std::string> pointNumber(const Message& message) {
    if (message.pointIndex < 0 || message.pointIndex == std::numeric_limits<int>::max()) {
        return std::nullopt;
    }
    return std::to_string(message.pointIndex + 1);
}

}  // namespace

std::optional<std::string> scriptLine(const Message& message) {
    switch (message.kind) {
        case Message::Kind::LeftPress:
            return mouseLine("press", message);
        case Message::Kind::MouseMove:
            return mouseLine("move", message);
        case Message::Kind::LeftRelease:
            return mouseLine("release", message);
        case Message::Kind::LeftDoubleClick:
            return mouseLine("dblclick", message);
        case Message::Kind::KeyDown:
            // A key the editor ignores changes nothing and is not kept.
            if (const auto name = keyName(message.key)) {
                return "key " + std::string(*name);
            }
            return std::nullopt;
        case Message::Kind::MenuCommand:
            return "menu " + commandName(message.command);
        case Message::Kind::DialogOk: {
            const auto degree = quoted(message.degreeText);
            const auto knots = quoted(message.knotText);
            if (!degree || !knots) {
                return std::nullopt;
            }
            return "dialog ok " + *degree + " " + *knots;
        }
        case Message::Kind::DialogCancel:
            return "dialog cancel";
        case Message::Kind::Close:
            return "close";
        case Message::Kind::PlacePoint:
            if (const auto number = pointNumber(message)) {
                if (auto line = mouseLine("", message)) {
                    return "place " + *number + *line;
                }
            }
            return std::nullopt;
        case Message::Kind::Undo:
            return "undo";
        case Message::Kind::Redo:
            return "redo";
        case Message::Kind::DeletePoint:
            if (const auto number = pointNumber(message)) {
                return "delete " + *number;
            }
            return std::nullopt;
        case Message::Kind::Inspect:
            if (!std::isfinite(message.inspectionT)) {
                return std::nullopt;
            }
            return "inspect " + shortestDouble(message.inspectionT);
    }
    return std::nullopt;
}

}  // namespace veltro::replay
