#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "ui/shell.h"

namespace veltro {

// A host without a window: it keeps the title as a window would, dismisses
// every message box at once, and logs every call in order. Tests and the
// replay tool use it.
class RecordingShell : public Shell {
  public:
    struct Event {
        enum class Kind { MessageBox, Title, Dialog };
        Kind kind;
        int id = 0;  // Dialog: the dialog id
        // MessageBox: text and caption; Title: the title; Dialog: the
        // degree and knot texts.
        std::string first;
        std::string second;
    };

    // Starts with the caption as title.
    RecordingShell();

    void showMessageBox(std::string_view text, std::string_view caption) override;
    void setTitle(std::string_view title) override;
    void openBSplineDialog(int dialogId, std::string_view degreeText,
                           std::string_view knotText) override;

    const std::string& title() const { return title_; }
    const std::vector<Event>& events() const { return events_; }
    // The events of one kind, in order.
    std::vector<Event> eventsOf(Event::Kind kind) const;
    void clearEvents() { events_.clear(); }

  private:
    std::string title_;
    std::vector<Event> events_;
};

// One line per event, for logs and test messages, e.g.
// "box \"Slider Activated\": ...", "title t = 3.51".
std::string describe(const RecordingShell::Event& event);

}  // namespace veltro
