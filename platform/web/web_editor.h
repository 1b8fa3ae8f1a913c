#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "app/frame_buffer.h"
#include "app/frame_loop.h"
#include "ui/editor_state.h"
#include "ui/message.h"
#include "web_clock.h"
#include "web_shell.h"

namespace veltro::web {

// The editor as the page drives it: the page posts messages as events
// arrive and runs one frame turn per animation frame while there is work,
// and shows the frame the turn presented.
class WebEditor final : private FrameHost {
  public:
    WebEditor();
    WebEditor(const WebEditor&) = delete;
    WebEditor& operator=(const WebEditor&) = delete;

    void post(Message message);

    // What a turn reports to the page, as bits.
    static constexpr int kPresented = 1;  // a new frame is in rgba()
    static constexpr int kBusy = 2;       // more turns are needed
    int turn();

    // The last presented frame, top row first, 4 bytes per pixel (red,
    // green, blue, opaque alpha): the layout of a canvas's image data.
    const std::uint8_t* rgba() const { return rgba_.data(); }
    std::size_t rgbaSize() const { return rgba_.size(); }

    // Room for a text the page is about to pass in (UTF-8, no terminator).
    char* textBuffer(std::size_t slot, std::size_t size);
    std::string text(std::size_t slot) const;

  private:
    void pumpMessage() override;
    bool redrawRequested() const override;
    void drawFrame() override;
    void present() override;

    EditorState state_;
    PageShell shell_;
    PageClock clock_;
    FrameLoop loop_{clock_, clock_};
    std::deque<Message> queue_;
    std::vector<std::uint32_t> pixels_;
    FrameBuffer frame_;
    std::vector<std::uint8_t> rgba_;
    std::string texts_[2];
};

}  // namespace veltro::web
