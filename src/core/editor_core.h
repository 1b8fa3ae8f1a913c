#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "core/clock.h"
#include "core/message_queue.h"
#include "core/method_frames.h"
#include "core/undo_history.h"
#include "geometry/frame_report.h"
#include "inspect/inspection.h"
#include "raster/frame_buffer.h"
#include "ui/bspline_dialog_session.h"
#include "ui/check_marks.h"
#include "ui/editor_state.h"
#include "ui/message.h"
#include "ui/shell.h"

namespace veltro {

// How a host with a window system of its own lets that system run inside a
// turn: its event handlers translate what arrives and post it to the core.
class EventPump {
  public:
    virtual ~EventPump() = default;
    // Delivers what the window system has pending. Returns true when it
    // delivered one event and more may be waiting, so the turn may ask
    // again; a host that delivers everything at once returns false.
    virtual bool pumpEvents() = 0;
};

// Sees every message the editor acts on, just before it is handled, with the
// state it meets (not those that change nothing); a session recording is one.
class MessageObserver {
  public:
    virtual ~MessageObserver() = default;
    virtual void messageTaken(const Message& message, const EditorState& before) = 0;
};

// The editor: its state, the pixels of its frames and the paced frame turn.
// A host drives it like this:
//   per event    post() the translated message (also from inside a turn,
//                e.g. while a message box runs its own loop);
//   per turn     turn(), then, when it returns true, present framePixels();
//   to end       leave the loop after the turn in which quitRequested()
//                became true.
// Everything the editor shows besides frames goes through the Shell.
class EditorCore {
  public:
    static constexpr float kFrameIntervalMs = 33.333332f;
    static constexpr std::uint32_t kWidth = FrameBuffer::kWidth;
    static constexpr std::uint32_t kHeight = FrameBuffer::kHeight;

    // Reads the clock once: the first turn's interval starts here. The pump
    // may be null for hosts that post every message themselves.
    EditorCore(Shell& shell, Clock& clock, Sleeper& sleeper, EventPump* pump = nullptr);
    EditorCore(const EditorCore&) = delete;
    EditorCore& operator=(const EditorCore&) = delete;

    void post(Message message) { queue_.post(std::move(message)); }
    // At most one; null for none.
    void setObserver(MessageObserver* observer) { observer_ = observer; }

    // One turn: wait until 33.333332 ms have passed since the previous
    // wait ended, then take messages until one changes the editor (those
    // that change nothing pass; at most kMostMessagesPerTurn are taken),
    // then draw a frame when a redraw was requested. So what arrived during
    // the wait shows at the end of the same turn. Returns true when it drew
    // a frame.
    bool turn();

    // How long the next turn would wait, in whole milliseconds rounded up. A
    // host that cannot sleep inside a call (the page) starts the turn only
    // once this is 0, so the turn's wait has nothing left to do.
    std::uint32_t msUntilNextTurn();

    // However many idle messages arrive, the turn goes on to draw.
    static constexpr int kMostMessagesPerTurn = 64;

    // The last frame drawn, kWidth x kHeight words of 0xFFRRGGBB in
    // top-down rows, to be shown as they are; white before the first frame.
    const std::vector<std::uint32_t>& framePixels() const {
        paintDrawnScene();
        return pixels_;
    }

    bool quitRequested() const { return state_.quitRequested; }
    int framesDrawn() const { return framesDrawn_; }

    // What hosts ask of the editor, each a question of its own, so that no
    // host comes to depend on how the state is laid out.
    bool isChecked(Command command) const { return veltro::isChecked(state_, command); }
    bool isDialogOpen(int dialogId) const { return veltro::isDialogOpen(state_, dialogId); }
    std::optional<int> newestDialog() const;
    // The control points in order, for views that list them.
    const std::vector<ControlPoint>& points() const { return state_.controlPoints; }
    // What a typed position for point `index` (from 0) would do now, so a
    // view can say why before it posts the place message.
    Placement placementOf(int index, float x, float y) const {
        return index < 0 ? Placement::NoSuchPoint
                         : veltro::placementOf(state_.controlPoints,
                                               static_cast<std::size_t>(index), Point2(x, y));
    }
    // Whether Undo and Redo have a step to take (the Edit menu greys them).
    bool canUndo() const { return history_.canUndo(); }
    bool canRedo() const { return history_.canRedo(); }
    // The point Delete or Backspace would remove with the pointer at x, y:
    // in Move Points mode, the point a press there would reach first (the
    // topmost); none in the other mode or over no point. Hosts post
    // Message::deletePoint with it, so a recording holds which point went.
    std::optional<int> pointToDeleteAt(float x, float y) const;
    // Whether another turn has something to do: a message waiting or a
    // redraw requested. A host that runs turns only on demand (the page)
    // stops when this is false.
    bool hasWorkPending() const { return !queue_.empty() || state_.redrawRequested; }
    // The numbers behind the chosen curve, for views beside the window;
    // computed on each call from the state as it is now.
    Inspection inspection() const { return inspect(state_, state_.inspectionT); }
    // The t set for the methods without the slider, if any. Setting it draws
    // no frame, so a view that shows it asks after each turn instead.
    std::optional<double> inspectionT() const { return state_.inspectionT; }

    // The frame each method would draw from the points as they are now: what
    // a comparison of the methods shows. It touches neither the editor nor
    // its frame.
    MethodFrames methodFrames() const { return veltro::methodFrames(state_); }

    // Only for tests, harnesses and the replay tool's --state report:
    // hosts use the questions above.
    EditorState& state() { return state_; }
    const EditorState& state() const { return state_; }
    MessageQueue& queue() { return queue_; }
    const MessageQueue& queue() const { return queue_; }
    // The steps Undo and Redo walk.
    UndoHistory& history() { return history_; }
    const UndoHistory& history() const { return history_; }
    // What the last frame drew; empty before the first one.
    const FrameReport& lastFrame() const {
        paintDrawnScene();
        return lastFrame_;
    }
    // When the last frame wait ended, on the core's clock.
    std::uint32_t previousFrameTime() const { return previous_; }

  private:
    void takeMessage();
    void act(const Message& message);
    void stepThroughHistory(const Message& message);
    void waitForInterval();
    void draw();
    void paintDrawnScene() const;

    Shell& shell_;
    Clock& clock_;
    Sleeper& sleeper_;
    EventPump* pump_;
    MessageObserver* observer_ = nullptr;
    std::uint32_t previous_;
    EditorState state_;
    MessageQueue queue_;
    // A turn that draws keeps the scene as it drew it; the frame is composed
    // and painted when someone looks at it. A scene played step by step
    // then composes one frame, not one per step, and what is seen is the
    // same: the frame of the last scene drawn.
    mutable std::vector<std::uint32_t> pixels_;
    mutable FrameBuffer frame_;
    mutable FrameReport lastFrame_;
    SceneState drawnScene_;
    mutable bool drawnScenePainted_ = true;
    UndoHistory history_;
    // The scene as a gesture (press to release) found it, while it lasts:
    // the whole gesture is one step.
    std::optional<SceneState> gestureStart_;
    int framesDrawn_ = 0;
};

}  // namespace veltro
