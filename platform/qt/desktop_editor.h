#pragma once

#include <cstdint>
#include <vector>

#include "app/clock.h"
#include "app/frame_buffer.h"
#include "app/frame_loop.h"
#include "main_window.h"
#include "message_queue.h"
#include "qt_shell.h"
#include "ui/editor_state.h"

namespace veltro::qt {

// The whole program minus its entry point: the editor state, the window,
// the queue between them and the frame buffer, driven by the core's frame
// loop.
class DesktopEditor final : private FrameHost {
  public:
    DesktopEditor();
    DesktopEditor(const DesktopEditor&) = delete;
    DesktopEditor& operator=(const DesktopEditor&) = delete;

    void show();
    // Runs turns until the window has been closed; the exit code.
    int run(Clock& clock, Sleeper& sleeper);
    // One turn, for callers that drive the loop themselves.
    bool turn(FrameLoop& loop) { return loop.turn(*this); }

    EditorState& state() { return state_; }
    MainWindow& window() { return window_; }
    MessageQueue& queue() { return queue_; }
    int framesPresented() const { return framesPresented_; }

  private:
    void pumpMessage() override;
    bool redrawRequested() const override;
    void drawFrame() override;
    void present() override;

    EditorState state_;
    MessageQueue queue_;
    MainWindow window_;
    QtShell shell_;
    std::vector<std::uint32_t> pixels_;
    FrameBuffer frame_;
    int framesPresented_ = 0;
};

}  // namespace veltro::qt
