#include "state_json.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>

namespace veltro::replay {

namespace {

// Length of the valid UTF-8 sequence starting at text[i], or 0.
std::size_t utf8SequenceLength(std::string_view text, std::size_t i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    std::size_t length = 0;
    std::uint32_t minimum = 0;
    std::uint32_t code = 0;
    if (lead < 0x80) {
        return 1;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2;
        minimum = 0x80;
        code = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        minimum = 0x800;
        code = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        minimum = 0x10000;
        code = lead & 0x07;
    } else {
        return 0;
    }
    if (i + length > text.size()) {
        return 0;
    }
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) {
            return 0;
        }
        code = (code << 6) | (byte(i + k) & 0x3F);
    }
    const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
    if (code < minimum || code > 0x10FFFF || surrogate) {
        return 0;
    }
    return length;
}

void appendIntList(std::string& out, const std::vector<std::int32_t>& values) {
    out += '[';
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i > 0) {
            out += ", ";
        }
        out += std::to_string(values[i]);
    }
    out += ']';
}

const char* jsonBool(bool value) {
    return value ? "true" : "false";
}

}  // namespace

std::string jsonString(std::string_view text) {
    std::string out = "\"";
    std::size_t i = 0;
    while (i < text.size()) {
        const auto c = static_cast<unsigned char>(text[i]);
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            case '\b':
                out += "\\b";
                break;
            case '\f':
                out += "\\f";
                break;
            default:
                if (c < 0x20 || c == 0x7F) {
                    char escape[8];
                    std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
                    out += escape;
                } else if (c < 0x80) {
                    out += static_cast<char>(c);
                } else if (const std::size_t length = utf8SequenceLength(text, i); length > 0) {
                    out.append(text.substr(i, length));
                    i += length;
                    continue;
                } else {
                    out += "\\ufffd";
                }
                break;
        }
        ++i;
    }
    out += '"';
    return out;
}

std::string jsonFloat(float value) {
    if (!std::isfinite(value)) {
        return "null";
    }
    char text[32];
    std::snprintf(text, sizeof text, "%.9g", static_cast<double>(value));
    return text;
}

std::string stateJson(const EditorState& state, const HostView& host) {
    std::string out = "{\n";
    const auto field = [&](std::string_view name, const std::string& value, bool last = false) {
        out += "  ";
        out += jsonString(name);
        out += ": ";
        out += value;
        out += last ? "\n" : ",\n";
    };

    field("title", jsonString(host.title));
    field("editMode",
          jsonString(state.editMode == EditMode::MovePoints ? "MovePoints" : "MakePoints"));
    field("method", jsonString(curveMethodReportName(state.method)));
    field("sliderOn", jsonBool(state.sliderOn));
    field("shellsOn", jsonBool(state.shellsOn));
    field("continuityOn", jsonBool(state.continuityOn));
    field("sliderT", jsonFloat(state.sliderT));
    field("bsplineDegree", std::to_string(state.bsplineDegree));

    std::string list;
    appendIntList(list, state.knotSequence);
    field("knotSequence", list);
    list.clear();
    appendIntList(list, state.workingKnots);
    field("workingKnots", list);

    list = "[";
    for (std::size_t i = 0; i < state.controlPoints.size(); ++i) {
        const Point2& c = state.controlPoints[i].centre;
        list += i > 0 ? ", [" : "[";
        list += jsonFloat(c.x) + ", " + jsonFloat(c.y) + "]";
    }
    list += "]";
    field("points", list);

    std::vector<int> checked = host.checked;
    std::sort(checked.begin(), checked.end());
    checked.erase(std::unique(checked.begin(), checked.end()), checked.end());
    list = "[";
    for (std::size_t i = 0; i < checked.size(); ++i) {
        list += (i > 0 ? ", " : "") + std::to_string(checked[i]);
    }
    list += "]";
    field("checked", list);

    list = "[";
    for (std::size_t i = 0; i < host.messageBoxes.size(); ++i) {
        list += i > 0 ? ",\n    " : "\n    ";
        list += "{\"caption\": " + jsonString(host.messageBoxes[i].caption) +
                ", \"text\": " + jsonString(host.messageBoxes[i].text) + "}";
    }
    list += host.messageBoxes.empty() ? "]" : "\n  ]";
    field("messageBoxes", list);

    list = "[";
    for (std::size_t i = 0; i < host.dialogs.size(); ++i) {
        const DialogRecord& d = host.dialogs[i];
        list += i > 0 ? ",\n    " : "\n    ";
        list += "{\"degreeText\": " + jsonString(d.degreeText) +
                ", \"knotText\": " + jsonString(d.knotText) + ", \"open\": " + jsonBool(d.open) +
                "}";
    }
    list += host.dialogs.empty() ? "]" : "\n  ]";
    field("dialogs", list);

    field("framesDrawn", std::to_string(host.framesDrawn), true);
    out += "}\n";
    return out;
}

}  // namespace veltro::replay
