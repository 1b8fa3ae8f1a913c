#include "ui/recording_shell.h"

#include "ui/menu_table.h"

namespace veltro {

RecordingShell::RecordingShell() : title_(kApplicationCaption) {}

void RecordingShell::showMessageBox(std::string_view text, std::string_view caption) {
    events_.push_back({Event::Kind::MessageBox, 0, std::string(text), std::string(caption)});
}

void RecordingShell::setTitle(std::string_view title) {
    title_ = title;
    events_.push_back({Event::Kind::Title, 0, std::string(title), {}});
}

void RecordingShell::openBSplineDialog(int dialogId, std::string_view degreeText,
                                       std::string_view knotText) {
    events_.push_back(
        {Event::Kind::Dialog, dialogId, std::string(degreeText), std::string(knotText)});
}

std::vector<RecordingShell::Event> RecordingShell::eventsOf(Event::Kind kind) const {
    std::vector<Event> matching;
    for (const Event& event : events_) {
        if (event.kind == kind) {
            matching.push_back(event);
        }
    }
    return matching;
}

namespace {

// Line breaks written out, so every event stays on one line.
std::string escaped(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\n') {
            out += "\\n";
        } else if (c == '\\') {
            out += "\\\\";
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace

std::string describe(const RecordingShell::Event& event) {
    using Kind = RecordingShell::Event::Kind;
    switch (event.kind) {
        case Kind::MessageBox:
            return "box \"" + escaped(event.second) + "\": " + escaped(event.first);
        case Kind::Title:
            return "title " + escaped(event.first);
        case Kind::Dialog:
            return "dialog " + std::to_string(event.id) + " degree \"" + escaped(event.first) +
                   "\" knots \"" + escaped(event.second) + "\"";
    }
    return {};
}

}  // namespace veltro
