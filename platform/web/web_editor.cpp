#include "web_editor.h"

#include <utility>

#include "curves/update_scene.h"
#include "ui/input.h"

namespace veltro::web {

namespace {

constexpr std::size_t kPixelCount =
    static_cast<std::size_t>(FrameBuffer::kWidth) * FrameBuffer::kHeight;

}  // namespace

WebEditor::WebEditor()
    : pixels_(kPixelCount, 0xFFFFFFFFu),
      frame_(pixels_.data(), FrameBuffer::kWidth, FrameBuffer::kHeight),
      rgba_(kPixelCount * 4, 0xFF) {
    loop_.start();
}

void WebEditor::post(Message message) {
    // Only the newest position of a run of moves matters, and a fast mouse
    // must not build a backlog that drains at frame rate.
    if (message.kind == Message::Kind::MouseMove && !queue_.empty() &&
        queue_.back().kind == Message::Kind::MouseMove) {
        queue_.back() = std::move(message);
        return;
    }
    queue_.push_back(std::move(message));
}

int WebEditor::turn() {
    const bool presented = loop_.turn(*this);
    const bool busy = !queue_.empty() || state_.redrawRequested;
    return (presented ? kPresented : 0) | (busy ? kBusy : 0);
}

char* WebEditor::textBuffer(std::size_t slot, std::size_t size) {
    if (slot >= std::size(texts_)) {
        return nullptr;
    }
    texts_[slot].assign(size, '\0');
    return texts_[slot].data();
}

std::string WebEditor::text(std::size_t slot) const {
    return slot < std::size(texts_) ? texts_[slot] : std::string();
}

void WebEditor::pumpMessage() {
    if (queue_.empty()) {
        return;
    }
    Message message = std::move(queue_.front());
    queue_.pop_front();
    handleMessage(state_, shell_, message);
}

bool WebEditor::redrawRequested() const {
    return state_.redrawRequested;
}

void WebEditor::drawFrame() {
    updateScene(state_, frame_);
}

void WebEditor::present() {
    // The words are stored bottom-up: the last row is the top of the picture.
    const std::uint32_t width = FrameBuffer::kWidth;
    const std::uint32_t height = FrameBuffer::kHeight;
    std::uint8_t* out = rgba_.data();
    for (std::uint32_t row = 0; row < height; ++row) {
        const std::uint32_t* word =
            pixels_.data() + static_cast<std::size_t>(height - 1 - row) * width;
        for (std::uint32_t column = 0; column < width; ++column, ++word, out += 4) {
            out[0] = static_cast<std::uint8_t>(*word >> 16);
            out[1] = static_cast<std::uint8_t>(*word >> 8);
            out[2] = static_cast<std::uint8_t>(*word);
            out[3] = 0xFF;
        }
    }
    frame_.clear();
}

}  // namespace veltro::web
