#include "core/editor_core.h"

#include <cmath>
#include <limits>

#include "core/idle_messages.h"
#include "curves/scene_frame.h"
#include "editing/point_editing.h"
#include "geometry/float_to_int.h"
#include "raster/paint_frame.h"
#include "ui/input.h"

namespace veltro {

namespace {

constexpr std::uint32_t kWhite = 0xFFFFFFFFu;

}  // namespace

EditorCore::EditorCore(Shell& shell, Clock& clock, Sleeper& sleeper, EventPump* pump)
    : shell_(shell),
      clock_(clock),
      sleeper_(sleeper),
      pump_(pump),
      previous_(clock.nowMs()),
      pixels_(static_cast<std::size_t>(kWidth) * kHeight, kWhite),
      frame_(pixels_.data(), kWidth, kHeight) {}

bool EditorCore::turn() {
    waitForInterval();
    takeMessage();
    if (!state_.redrawRequested) {
        return false;
    }
    draw();
    return true;
}

void EditorCore::takeMessage() {
    for (int taken = 0; taken < kMostMessagesPerTurn; ++taken) {
        const bool maybeMore = pump_ != nullptr && pump_->pumpEvents();
        auto message = queue_.take();
        if (!message) {
            // The window system may have delivered something that is not
            // input; then it may have more.
            if (maybeMore) {
                continue;
            }
            return;
        }
        if (changesNothing(state_, *message)) {
            continue;
        }
        const bool historyStep =
            message->kind == Message::Kind::Undo || message->kind == Message::Kind::Redo;
        if (historyStep && !(message->kind == Message::Kind::Undo ? canUndo() : canRedo())) {
            continue;
        }
        if (observer_ != nullptr) {
            observer_->messageTaken(*message, state_);
        }
        if (historyStep) {
            stepThroughHistory(*message);
        } else {
            act(*message);
        }
        return;
    }
}

// Every message is compared by what it did to the scene, so whatever a
// message kind changes, undo covers it without knowing the kind.
void EditorCore::act(const Message& message) {
    std::optional<SceneState> before;
    if (!gestureStart_) {
        before = static_cast<const SceneState&>(state_);
    }
    handleMessage(state_, shell_, message);
    if (state_.mouseDown) {
        if (!gestureStart_) {
            gestureStart_ = std::move(before);
        }
        return;
    }
    SceneState start = gestureStart_ ? std::move(*gestureStart_) : std::move(*before);
    gestureStart_.reset();
    if (!(start == static_cast<const SceneState&>(state_))) {
        history_.recordChange(std::move(start));
    }
}

void EditorCore::stepThroughHistory(const Message& message) {
    SceneState& scene = state_;
    if (message.kind == Message::Kind::Undo) {
        history_.undo(scene);
    } else {
        history_.redo(scene);
    }
    // Picked indices may name other points, or none, in the scene put back.
    state_.pickedPoints.clear();
    state_.redrawRequested = true;
}

std::optional<int> EditorCore::pointToDeleteAt(float x, float y) const {
    if (state_.editMode != EditMode::MovePoints || !std::isfinite(x) || !std::isfinite(y)) {
        return std::nullopt;
    }
    const auto point = pointUnder(state_.controlPoints, Point2(x, y));
    // Messages name points by an int, as the views count them.
    if (!point || *point > static_cast<std::size_t>(std::numeric_limits<int>::max())) {
        return std::nullopt;
    }
    return static_cast<int>(*point);
}

void EditorCore::draw() {
    state_.redrawRequested = false;
    prepareFrameKnots(state_);
    drawnScene_ = static_cast<const SceneState&>(state_);
    drawnScenePainted_ = false;
    ++framesDrawn_;
}

void EditorCore::paintDrawnScene() const {
    if (drawnScenePainted_) {
        return;
    }
    drawnScenePainted_ = true;
    composeFrame(drawnScene_, lastFrame_);
    // The previous frame stays in the buffer until the next one is painted,
    // so hosts can show it again whenever they need to. The buffer starts
    // white, as a cleared one is.
    frame_.clear();
    raster::paintFrame(lastFrame_, frame_);
}

std::optional<int> EditorCore::newestDialog() const {
    if (state_.openDialogs.empty()) {
        return std::nullopt;
    }
    return state_.openDialogs.back();
}

std::uint32_t EditorCore::msUntilNextTurn() {
    const std::uint32_t elapsed = clock_.nowMs() - previous_;
    if (static_cast<float>(elapsed) >= kFrameIntervalMs) {
        return 0;
    }
    const float remaining = kFrameIntervalMs - static_cast<float>(elapsed);
    return static_cast<std::uint32_t>(truncToInt(std::ceil(remaining)));
}

void EditorCore::waitForInterval() {
    std::uint32_t now = clock_.nowMs();
    // Unsigned difference: correct across the 2^32 wrap of the clock.
    std::uint32_t elapsed = now - previous_;
    while (static_cast<float>(elapsed) < kFrameIntervalMs) {
        const float remaining = kFrameIntervalMs - static_cast<float>(elapsed);
        // Never sleeps past the end of the interval by more than the clock's
        // own millisecond; a sleep that ends early just goes round again.
        sleeper_.sleepMs(static_cast<std::uint32_t>(truncToInt(std::ceil(remaining))));
        now = clock_.nowMs();
        elapsed = now - previous_;
    }
    previous_ = now;
}

}  // namespace veltro
