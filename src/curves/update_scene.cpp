#include "curves/update_scene.h"

#include "curves/frame_update.h"
#include "curves/render_scene.h"

namespace veltro {

FrameReport updateScene(SceneState& state, FrameBuffer& frame) {
    applyFrameUpdate(state);
    return renderScene(state, frame);
}

}  // namespace veltro
