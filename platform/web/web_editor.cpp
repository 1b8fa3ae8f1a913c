#include "web_editor.h"

namespace veltro::web {

int WebEditor::turn() {
    const bool drawn = core_.turn();
    if (drawn) {
        convertFrame();
    }
    const bool busy = core_.hasWorkPending();
    return (drawn ? kPresented : 0) | (busy ? kBusy : 0);
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

void WebEditor::convertFrame() {
    // Canvas image data is RGBA bytes; the frame's rows are already top-down.
    const std::vector<std::uint32_t>& words = core_.framePixels();
    if (words.size() * 4 != rgba_.size()) {
        return;
    }
    std::uint8_t* out = rgba_.data();
    for (const std::uint32_t word : words) {
        out[0] = static_cast<std::uint8_t>(word >> 16);
        out[1] = static_cast<std::uint8_t>(word >> 8);
        out[2] = static_cast<std::uint8_t>(word);
        out[3] = static_cast<std::uint8_t>(word >> 24);
        out += 4;
    }
}

}  // namespace veltro::web
