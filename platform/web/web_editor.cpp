#include "web_editor.h"

namespace veltro::web {

int WebEditor::turn() {
    const bool drawn = core_.turn();
    if (drawn) {
        convertFrame();
    }
    const bool busy = !core_.queue().empty() || core_.state().redrawRequested;
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
    // The words are stored bottom-up: the last row is the top of the picture.
    const std::vector<std::uint32_t>& words = core_.framePixels();
    const std::size_t width = EditorCore::kWidth;
    const std::size_t height = EditorCore::kHeight;
    if (words.size() != width * height) {
        return;
    }
    std::uint8_t* out = rgba_.data();
    for (std::size_t row = 0; row < height; ++row) {
        const std::uint32_t* word = words.data() + (height - 1 - row) * width;
        for (std::size_t column = 0; column < width; ++column, ++word, out += 4) {
            out[0] = static_cast<std::uint8_t>(*word >> 16);
            out[1] = static_cast<std::uint8_t>(*word >> 8);
            out[2] = static_cast<std::uint8_t>(*word);
            out[3] = 0xFF;
        }
    }
}

}  // namespace veltro::web
