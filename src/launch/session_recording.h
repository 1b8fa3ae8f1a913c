#pragma once

#include <cstdio>
#include <memory>
#include <optional>
#include <string>

#include "core/editor_core.h"
#include "launch/scene_file.h"

namespace veltro {

// The file a session is recorded into: one script line per message the
// editor took that changed something, each written through to the disk before the next, so that a
// crash, a kill or a power cut loses nothing already done.
class SessionRecording final : public MessageObserver {
  public:
    // Creates the file; an existing one only with `replace`. The complaint
    // names the file and why it cannot be written.
    static std::optional<std::string> create(const std::string& path, bool replace,
                                             std::unique_ptr<SessionRecording>& recording);
    ~SessionRecording() override;
    SessionRecording(const SessionRecording&) = delete;
    SessionRecording& operator=(const SessionRecording&) = delete;

    // The opened scene's lines, as the file has them, so the recording
    // rebuilds the whole session by itself. A `close` in it is kept as a
    // comment: the session went on.
    void writeScene(const SceneFile& scene);

    // A message the editor is about to handle. Left out: what the editor
    // will ignore (mouse moves with the button up, an answer from a dialog
    // that is gone) and closing the window, so the recording opens to go on.
    void messageTaken(const Message& message, const EditorState& before) override;

    // Set once a write has failed; nothing more is written then.
    const std::optional<std::string>& failure() const { return failure_; }

  private:
    SessionRecording(std::FILE* file, std::string path);
    void writeLine(const std::string& line);

    std::FILE* file_;
    std::string path_;
    std::optional<std::string> failure_;
};

}  // namespace veltro
