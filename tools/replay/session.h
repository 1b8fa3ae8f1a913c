#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/clock.h"
#include "core/editor_core.h"
#include "script/script.h"
#include "state_json.h"
#include "ui/editor_state.h"
#include "ui/recording_shell.h"

namespace veltro::replay {

// A headless window: the real editor core with a recording shell that
// dismisses message boxes at once, on a clock that moves only when the core
// waits.
class Session final {
  public:
    // everyFrame: paint each frame as it is drawn, as a window presents
    // it, rather than only the one looked at in the end.
    explicit Session(bool everyFrame = false);
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // Delivers one message and runs one frame turn. Dialog messages go to
    // the most recently opened dialog that is still open; with none open
    // the result is the complaint and nothing happens.
    std::optional<std::string> play(const Message& message);

    // Plays steps in order; stops at the first one that cannot be played
    // or after the close message's turn.
    std::optional<ScriptError> playAll(const std::vector<ScriptStep>& steps);

    bool ended() const { return core_.quitRequested(); }
    const EditorState& state() const { return core_.state(); }
    const EditorCore& core() const { return core_; }
    const RecordingShell& shell() const { return shell_; }
    int framesDrawn() const { return core_.framesDrawn(); }
    // The last frame shown; all white before the first one.
    const std::vector<std::uint32_t>& presentedWords() const { return core_.framePixels(); }
    HostView hostView() const;

  private:
    bool everyFrame_;
    RecordingShell shell_;
    ManualClock clock_;
    EditorCore core_{shell_, clock_, clock_};
};

}  // namespace veltro::replay
