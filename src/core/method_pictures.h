#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "core/editor_core.h"
#include "core/method_frames.h"
#include "curves/curve_method.h"

namespace veltro {

// The pixels of a comparison view: every method's frame and the overlay of
// the chosen ones, each a 640 x 480 picture laid out as the editor's frame
// is. A host keeps one only while the view is open and repaints it once per
// presented frame, so a closed view costs nothing.
class MethodPictures {
  public:
    MethodPictures();

    // Paints every picture from the editor as it is now. A method's frame
    // depends on nothing but the scene, so pictures whose scene and ticked
    // methods are those of the last call are left as they are: a still
    // scene costs a comparison, and ticking a box repaints the overlay only.
    // Returns whether any picture changed, so that a host shows them again
    // only then.
    bool paint(const EditorCore& core, const MethodSet& overlaid);

    const std::vector<std::uint32_t>& method(CurveMethod method) const {
        return methods_[static_cast<std::size_t>(method)];
    }
    const std::vector<std::uint32_t>& overlay() const { return overlay_; }

  private:
    std::array<std::vector<std::uint32_t>, kCurveMethodCount> methods_;
    std::vector<std::uint32_t> overlay_;
    // What the pictures show now; the reports are kept for their storage.
    MethodFrames frames_;
    FrameReport overlayReport_;
    std::optional<SceneState> paintedScene_;
    std::optional<MethodSet> paintedOverlaid_;
};

}  // namespace veltro
