#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>

#include "core/editor_core.h"
#include "launch/scene_file.h"
#include "ui/shell.h"

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
    // What create would refuse that can be told without creating anything:
    // a folder, or a file that exists (without `replace`).
    static std::optional<std::string> checkTarget(const std::string& path, bool replace);
    ~SessionRecording() override;
    SessionRecording(const SessionRecording&) = delete;
    SessionRecording& operator=(const SessionRecording&) = delete;

    // The opened scene's lines (sceneTranscript).
    void writeScene(const SceneFile& scene);

    // A message the editor is about to handle (recordedLine says which).
    void messageTaken(const Message& message, const EditorState& before) override;

    // Set once a write has failed; nothing more is written then, and the
    // file is cut back to its last whole line, so no cut line can read as
    // another message.
    const std::optional<std::string>& failure() const { return failure_; }

    // Closes and removes the file: for a start that is refused, which is to
    // leave nothing behind that a second start would find in its way.
    static void abandon(std::unique_ptr<SessionRecording>& recording);

    // From now on a failure is also shown at once, in a message box, so the
    // user does not work on unrecorded. Null: only failure() tells.
    void tellFailuresThrough(Shell* shell) { shell_ = shell; }

  private:
    SessionRecording(std::FILE* file, std::string path);
    void writeLine(const std::string& line);
    void stop();

    std::FILE* file_;
    std::string path_;
    std::optional<std::string> failure_;
    std::uint64_t wholeBytes_ = 0;  // what is on the disk: whole lines only
    Shell* shell_ = nullptr;
};

}  // namespace veltro
