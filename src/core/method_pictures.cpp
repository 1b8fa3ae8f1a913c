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

bool MethodPictures::paint(const EditorCore& core, const MethodSet& overlaid) {
    const SceneState& scene = core.state();
    const bool sceneShown = paintedScene_.has_value() && *paintedScene_ == scene;
    if (sceneShown && paintedOverlaid_ == overlaid) {
        return false;
    }
    if (!sceneShown) {
        // Forgotten first, so a throw on the way cannot leave it claiming
        // pictures that were never painted.
        paintedScene_.reset();
        paintedOverlaid_.reset();
        methodFrames(core.state(), frames_);
        for (std::size_t i = 0; i < methods_.size(); ++i) {
            paintPicture(frames_[i], methods_[i]);
        }
        paintedScene_ = scene;
    }
    paintedOverlaid_.reset();
    overlayFrame(frames_, overlaid, overlayReport_);
    paintPicture(overlayReport_, overlay_);
    paintedOverlaid_ = overlaid;
    return true;
}

}  // namespace veltro
