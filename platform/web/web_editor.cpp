#include "web_editor.h"

#include <optional>
#include <utility>

#include "ui/menu_table.h"

namespace veltro::web {

int WebEditor::turn() {
    const std::optional<double> inspectionT = core().inspectionT();
    const bool drawn = core().turn();
    if (drawn) {
        convertFrame();
    }
    const bool busy = core().hasWorkPending();
    const bool inspected = core().inspectionT() != inspectionT;
    return (drawn ? kPresented : 0) | (busy ? kBusy : 0) | (inspected ? kInspected : 0);
}

bool WebEditor::openScene(std::string name, std::string text) {
    SceneFile scene;
    auto complaint = sceneFromText(std::move(name), std::move(text), scene);
    if (!complaint) {
        // The scene's own steps go into the recording as its text, not one
        // by one as they play.
        core().setObserver(nullptr);
        complaint = desktop_.playScene(scene);
        transcript_.addScene(scene);
        core().setObserver(&transcript_);
    }
    if (hasFrame()) {
        convertFrame();
    }
    complaint_ = complaint.value_or("");
    return !complaint;
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

namespace {

constexpr std::size_t kFrameBytes = std::size_t{EditorCore::kWidth} * EditorCore::kHeight * 4;
constexpr int kComparisonPictures = static_cast<int>(kCurveMethodCount) + 1;

// Canvas image data is RGBA bytes; the frame's rows are already top-down.
void convertWords(const std::vector<std::uint32_t>& words, std::uint8_t* out) {
    for (const std::uint32_t word : words) {
        out[0] = static_cast<std::uint8_t>(word >> 16);
        out[1] = static_cast<std::uint8_t>(word >> 8);
        out[2] = static_cast<std::uint8_t>(word);
        out[3] = static_cast<std::uint8_t>(word >> 24);
        out += 4;
    }
}

}  // namespace

void WebEditor::convertFrame() {
    const std::vector<std::uint32_t>& words = core().framePixels();
    if (words.size() * 4 == rgba_.size()) {
        convertWords(words, rgba_.data());
    }
}

void WebEditor::setComparisonOpen(bool open) {
    if (!open) {
        pictures_.reset();
        std::vector<std::uint8_t>().swap(comparisonRgba_);
    } else if (!pictures_) {
        pictures_ = std::make_unique<MethodPictures>();
        comparisonRgba_.assign(kFrameBytes * kComparisonPictures, 0xFF);
    }
}

bool WebEditor::paintComparison(unsigned overlaid) {
    if (!pictures_) {
        return false;
    }
    MethodSet chosen{};
    for (std::size_t i = 0; i < chosen.size(); ++i) {
        chosen[i] = ((overlaid >> i) & 1u) != 0;
    }
    if (!pictures_->paint(core(), chosen)) {
        return false;
    }
    const auto methods = methodsInMenuOrder();
    for (std::size_t i = 0; i < methods.size(); ++i) {
        convertWords(pictures_->method(methods[i]), comparisonRgba_.data() + i * kFrameBytes);
    }
    convertWords(pictures_->overlay(), comparisonRgba_.data() + methods.size() * kFrameBytes);
    return true;
}

const std::uint8_t* WebEditor::comparisonRgba(int picture) const {
    if (!pictures_ || picture < 0 || picture >= kComparisonPictures) {
        return nullptr;
    }
    return comparisonRgba_.data() + static_cast<std::size_t>(picture) * kFrameBytes;
}

}  // namespace veltro::web
