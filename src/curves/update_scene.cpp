#include "curves/update_scene.h"

#include "curves/frame_update.h"
#include "curves/render_scene.h"

namespace veltro {

void updateScene(SceneState& state, FrameBuffer& frame, FrameReport& report) {
    applyFrameUpdate(state);
    renderScene(state, frame, report);
}

FrameReport updateScene(SceneState& state, FrameBuffer& frame) {
    FrameReport report;
    updateScene(state, frame, report);
    return report;
}

}  // namespace veltro
