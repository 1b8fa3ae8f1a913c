#include "curves/frame_update.h"

#include "curves/knots.h"

namespace veltro {

void applyFrameUpdate(SceneState& state) {
    const std::size_t n = state.controlPoints.size();
    if (state.method == CurveMethod::BSpline && n >= 3) {
        seedEnteredKnots(state.knotSequence, n, state.continuityOn);
        state.workingKnots =
            effectiveKnots(state.knotSequence, n, state.bsplineDegree, state.continuityOn);
    }
    state.redrawRequested = false;
}

}  // namespace veltro
