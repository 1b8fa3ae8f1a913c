#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "core/clock.h"
#include "core/editor_core.h"
#include "ui/editor_state.h"
#include "ui/message.h"
#include "ui/recording_shell.h"

namespace veltro::hardening {

// The whole editor without a window: the real editor core on a clock that
// moves only when it waits. After every message (and the frame it may
// cause) it checks what must hold whatever the user did; the first broken
// rule is kept as the violation.
class CheckedSession final {
  public:
    // frameBound: the longest a turn that draws a frame may take.
    explicit CheckedSession(std::chrono::milliseconds frameBound);
    CheckedSession(const CheckedSession&) = delete;
    CheckedSession& operator=(const CheckedSession&) = delete;

    // One message and one frame turn, then the checks. Messages after the
    // close message are not delivered, as the host has left its loop.
    void play(const Message& message);

    // Puts a point down without a frame turn: sets up large scenes without
    // drawing every intermediate one. Goes through the input handler.
    void pressWithoutFrame(float x, float y);

    // The id of the most recently opened dialog that is still open, or -1.
    int newestOpenDialog() const;

    const std::optional<std::string>& violation() const { return violation_; }
    bool ended() const { return core_.quitRequested(); }
    const EditorState& state() const { return core_.state(); }
    // The undo history keeps up to 64 MiB of steps by design, coming and
    // going in sizes of their own; a judge of leaks turns it off.
    void keepNoHistory() { core_.history().setLimits(0, 0); }
    const RecordingShell& shell() const { return shell_; }
    std::size_t messagesPlayed() const { return messagesPlayed_; }
    std::size_t framesDrawn() const { return framesDrawn_; }
    std::chrono::nanoseconds longestFrame() const { return longestFrame_; }
    std::chrono::nanoseconds lastFrame() const { return lastFrame_; }
    // Writes one line per message (what it was, the points, the frame time)
    // to the stream; null stops it.
    void trace(std::FILE* stream) { trace_ = stream; }
    // The pixel word the last presented frame showed at (x, y), in the
    // frame buffer's own coordinates.
    std::uint32_t presentedAt(std::uint32_t x, std::uint32_t y) const;

  private:
    struct Before {
        std::size_t points;
        bool addsPoint;
        bool mayMovePoints;
        bool placesPoint;
        bool deletes;
        bool mayChangeScene;
    };
    void check(const Message& message, const Before& before);
    // The inspection hosts read beside the frame: bounded, and never a
    // number the JSON cannot carry.
    void checkInspection();
    void fail(std::string what);

    RecordingShell shell_;
    ManualClock clock_;
    EditorCore core_{shell_, clock_, clock_};
    std::vector<Point2> centresBefore_;
    std::chrono::milliseconds frameBound_;
    std::chrono::nanoseconds longestFrame_{0};
    std::chrono::nanoseconds lastFrame_{0};
    std::size_t messagesPlayed_ = 0;
    std::size_t framesDrawn_ = 0;
    bool drewThisTurn_ = false;
    std::optional<std::string> violation_;
    std::FILE* trace_ = nullptr;
};

// The length of a long run (the soak, the slider held down): `full` in
// optimized builds and a fifth of it under AddressSanitizer, which is about
// ten times slower; VELTRO_FULL_LENGTH=1 asks for the full length there too.
std::size_t runLength(std::size_t full);

// Bytes the allocator has handed out and not yet taken back, from the
// sanitizer's allocator under AddressSanitizer and from glibc otherwise.
std::size_t heapBytesInUse();

}  // namespace veltro::hardening
