#pragma once

#include <cstddef>
#include <deque>

#include "curves/scene_state.h"

namespace veltro {

// The steps undo and redo walk: whole scenes as they were before each change
// (and, once undone, as they were after it). A scene is what a frame is drawn
// from, so restoring one gives that frame back; what only input handling
// holds (the mode, a drag's pick, dialogs) is not part of a step.
class UndoHistory {
  public:
    static constexpr std::size_t kMostSteps = 1000;
    static constexpr std::size_t kMostBytes = 64u * 1024u * 1024u;

    // Records the scene before a change; the steps that were undone can no
    // longer be redone. The oldest steps go first when the history is full.
    void recordChange(SceneState before);

    // Lower bounds than the usual ones; for harnesses that judge the heap
    // without the history's share (0 steps keeps nothing).
    void setLimits(std::size_t mostSteps, std::size_t mostBytes);

    bool canUndo() const { return !undoSteps_.empty(); }
    bool canRedo() const { return !redoSteps_.empty(); }

    // Puts the scene before the last change into `scene`, keeping `scene` as
    // it was for redo; false, leaving it alone, when there is nothing to undo.
    bool undo(SceneState& scene);
    // The reverse of the last undo.
    bool redo(SceneState& scene);

    // What the steps hold, counted as the memory bound counts it.
    std::size_t bytesHeld() const { return bytes_; }
    std::size_t stepsHeld() const { return undoSteps_.size() + redoSteps_.size(); }

  private:
    bool step(std::deque<SceneState>& from, std::deque<SceneState>& to, SceneState& scene);
    void push(std::deque<SceneState>& steps, SceneState scene);
    SceneState pop(std::deque<SceneState>& steps);
    void dropOldestWhileFull();

    // Newest at the back.
    std::deque<SceneState> undoSteps_;
    std::deque<SceneState> redoSteps_;
    std::size_t bytes_ = 0;
    std::size_t mostSteps_ = kMostSteps;
    std::size_t mostBytes_ = kMostBytes;
};

}  // namespace veltro
