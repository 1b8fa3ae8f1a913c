#pragma once

#include <optional>
#include <string>

#include "core/editor_core.h"
#include "launch/scene_file.h"

namespace veltro {

// What a recording writes, wherever it goes: a file the desktop program
// writes through to the disk, or the text the page saves and shares.

// The first line of every recording.
inline constexpr const char* kRecordingHeader = "# veltro session";

// The opened scene's lines, as the file has them, so the recording rebuilds
// the whole session by itself. A `close` in it is kept as a comment: the
// session went on. Ends with a newline.
std::string sceneTranscript(const SceneFile& scene);

// The line for a message the editor is about to handle, if any. Left out:
// what the editor will ignore (mouse moves with the button up, an answer
// from a dialog that is gone) and closing the window, so the recording opens
// to go on.
std::optional<std::string> recordedLine(const Message& message, const EditorState& before);

// A recording kept in memory, for a host that has no file to write through.
class SessionTranscript final : public MessageObserver {
  public:
    SessionTranscript() : text_(std::string(kRecordingHeader) + "\n") {}

    void addScene(const SceneFile& scene) { text_ += sceneTranscript(scene); }
    void messageTaken(const Message& message, const EditorState& before) override;

    const std::string& text() const { return text_; }

  private:
    std::string text_;
};

}  // namespace veltro
