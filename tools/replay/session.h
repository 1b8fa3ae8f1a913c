#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/clock.h"
#include "app/frame_buffer.h"
#include "app/frame_loop.h"
#include "script/script.h"
#include "state_json.h"
#include "svg_figure.h"
#include "ui/editor_state.h"
#include "ui/recording_shell.h"

namespace veltro::replay {

// A headless window: the real frame loop, input handler and scene update,
// a recording shell that dismisses message boxes at once, and a frame
// buffer whose presented copy is kept.
class Session final : private FrameHost {
  public:
    Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // Delivers one message and runs one frame turn. Dialog messages go to
    // the most recently opened dialog that is still open; with none open
    // the result is the complaint and nothing happens.
    std::optional<std::string> play(const Message& message);

    // Plays steps in order; stops at the first one that cannot be played
    // or after the close message's turn.
    std::optional<ScriptError> playAll(const std::vector<ScriptStep>& steps);

    bool ended() const { return state_.quitRequested; }
    const EditorState& state() const { return state_; }
    const RecordingShell& shell() const { return shell_; }
    int framesDrawn() const { return framesDrawn_; }
    // The last frame shown; all white before the first one.
    const std::vector<std::uint32_t>& presentedWords() const { return presented_; }
    HostView hostView() const;
    // What the last frame painted, for vector output.
    Figure figure() const;

  private:
    void pumpMessage() override;
    bool redrawRequested() const override;
    void drawFrame() override;
    void present() override;

    EditorState state_;
    RecordingShell shell_;
    ManualClock clock_;
    FrameLoop loop_{clock_, clock_};
    std::vector<std::uint32_t> pixels_;
    std::vector<std::uint32_t> presented_;
    FrameBuffer frame_;
    std::optional<Message> pending_;
    int framesDrawn_ = 0;
};

}  // namespace veltro::replay
