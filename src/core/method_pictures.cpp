#include "core/method_pictures.h"

#include "raster/frame_buffer.h"
#include "raster/paint_frame.h"

namespace veltro {

namespace {

constexpr std::size_t kWords = std::size_t{FrameBuffer::kWidth} * FrameBuffer::kHeight;

void paintPicture(const FrameReport& report, std::vector<std::uint32_t>& words) {
    FrameBuffer frame(words.data(), FrameBuffer::kWidth, FrameBuffer::kHeight);
    frame.clear();
    raster::paintFrame(report, frame);
}

}  // namespace

MethodPictures::MethodPictures() : overlay_(kWords, 0xFFFFFFFFu) {
    for (std::vector<std::uint32_t>& words : methods_) {
        words.assign(kWords, 0xFFFFFFFFu);
    }
}

void MethodPictures::paint(const EditorCore& core, const MethodSet& overlaid) {
    const MethodFrames frames = core.methodFrames();
    for (std::size_t i = 0; i < methods_.size(); ++i) {
        paintPicture(frames[i], methods_[i]);
    }
    paintPicture(overlayFrame(frames, overlaid), overlay_);
}

}  // namespace veltro
