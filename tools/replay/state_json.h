#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "ui/editor_state.h"

namespace veltro::replay {

struct MessageBoxRecord {
    std::string caption;
    std::string text;
};

// A "B-Spline Input" dialog of the session, with the texts it showed.
struct DialogRecord {
    std::string degreeText;
    std::string knotText;
    bool open = true;
};

// What the host saw of a session besides the editor state itself.
struct HostView {
    std::string title;
    std::vector<int> checked;  // command ids with a check mark, any order
    std::vector<MessageBoxRecord> messageBoxes;
    std::vector<DialogRecord> dialogs;  // every dialog opened, in order
    int framesDrawn = 0;
};

// A JSON string literal, quotes included. Bytes that are not valid UTF-8
// become U+FFFD so the output is always valid JSON.
std::string jsonString(std::string_view text);

// A float as %.9g (enough digits to give back the same float); non-finite
// values, which JSON cannot carry, as null.
std::string jsonFloat(float value);

// The end-of-session report: one JSON object and a newline.
std::string stateJson(const EditorState& state, const HostView& host);

}  // namespace veltro::replay
