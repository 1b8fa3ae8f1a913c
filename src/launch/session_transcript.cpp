#include "launch/session_transcript.h"

#include <algorithm>

#include "core/idle_messages.h"
#include "script/script_writer.h"

namespace veltro {

std::string sceneTranscript(const SceneFile& scene) {
    int closeLine = 0;
    for (const replay::ScriptStep& step : scene.script.steps) {
        if (step.message.kind == Message::Kind::Close) {
            closeLine = step.line;
        }
    }
    std::string name = scene.path;
    std::replace_if(
        name.begin(), name.end(), [](char c) { return c == '\n' || c == '\r'; }, '?');
    std::string text = "# the scene " + name + "\n";
    std::size_t start = 0;
    int line = 0;
    while (start < scene.text.size()) {
        std::size_t end = scene.text.find('\n', start);
        if (end == std::string::npos) {
            end = scene.text.size();
        }
        std::string content = scene.text.substr(start, end - start);
        start = end + 1;
        ++line;
        if (!content.empty() && content.back() == '\r') {
            content.pop_back();
        }
        text += line == closeLine ? "# " + content + "  (the session went on)" : content;
        text += '\n';
    }
    return text + "# recorded in the window\n";
}

std::optional<std::string> recordedLine(const Message& message, const EditorState& before) {
    // What changes nothing is not played back either; a close is left out so
    // that opening the recording goes on from where it ended.
    if (message.kind == Message::Kind::Close || changesNothing(before, message)) {
        return std::nullopt;
    }
    return replay::scriptLine(message);
}

void SessionTranscript::messageTaken(const Message& message, const EditorState& before) {
    if (const auto line = recordedLine(message, before)) {
        text_ += *line + "\n";
    }
}

}  // namespace veltro
