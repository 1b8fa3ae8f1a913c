#include "core/undo_history.h"

#include <utility>
#include <vector>

namespace veltro {

namespace {

// What a block of the heap costs: an allocator keeps a word beside it and
// rounds the whole up to 16 bytes, 32 at least.
std::size_t heapBlockBytes(std::size_t bytes) {
    constexpr std::size_t kRecord = 8;
    constexpr std::size_t kSmallest = 32;
    const std::size_t rounded = (bytes + kRecord + 15) / 16 * 16;
    return rounded < kSmallest ? kSmallest : rounded;
}

// What a kept list occupies on the heap: what it reserved.
template <typename T>
std::size_t heapBytesOf(const std::vector<T>& list) {
    return list.capacity() == 0 ? 0 : heapBlockBytes(list.capacity() * sizeof(T));
}

// What a kept scene occupies. A scene the editor was working on can hold
// more than it uses.
std::size_t bytesOf(const SceneState& scene) {
    return heapBlockBytes(sizeof(SceneState)) + heapBytesOf(scene.controlPoints) +
           heapBytesOf(scene.knotSequence) + heapBytesOf(scene.workingKnots);
}

}  // namespace

void UndoHistory::recordChange(SceneState before) {
    while (!redoSteps_.empty()) {
        pop(redoSteps_);
    }
    push(undoSteps_, std::move(before));
    dropOldestWhileFull();
}

void UndoHistory::setLimits(std::size_t mostSteps, std::size_t mostBytes) {
    mostSteps_ = mostSteps;
    mostBytes_ = mostBytes;
    dropOldestWhileFull();
}

bool UndoHistory::undo(SceneState& scene) {
    return step(undoSteps_, redoSteps_, scene);
}

bool UndoHistory::redo(SceneState& scene) {
    return step(redoSteps_, undoSteps_, scene);
}

bool UndoHistory::step(std::deque<SceneState>& from, std::deque<SceneState>& to,
                       SceneState& scene) {
    if (from.empty()) {
        return false;
    }
    push(to, std::exchange(scene, pop(from)));
    dropOldestWhileFull();
    return true;
}

void UndoHistory::push(std::deque<SceneState>& steps, SceneState scene) {
    bytes_ += bytesOf(scene);
    steps.push_back(std::move(scene));
}

SceneState UndoHistory::pop(std::deque<SceneState>& steps) {
    SceneState scene = std::move(steps.back());
    steps.pop_back();
    bytes_ -= bytesOf(scene);
    return scene;
}

void UndoHistory::dropOldestWhileFull() {
    // The oldest undo step is the furthest from now; with none left, the
    // redo step furthest from now goes.
    while (stepsHeld() > mostSteps_ || bytes_ > mostBytes_) {
        std::deque<SceneState>& steps = undoSteps_.empty() ? redoSteps_ : undoSteps_;
        bytes_ -= bytesOf(steps.front());
        steps.pop_front();
    }
}

}  // namespace veltro
