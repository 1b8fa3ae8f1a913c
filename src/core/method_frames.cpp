#include "core/method_frames.h"

#include <vector>

#include "curves/scene_frame.h"
#include "ui/commands.h"
#include "ui/menu_table.h"

namespace veltro {

MethodFrames methodFrames(const EditorState& state) {
    MethodFrames frames;
    for (std::size_t i = 0; i < frames.size(); ++i) {
        const auto method = static_cast<CurveMethod>(i);
        EditorState scene = state;
        if (scene.method != method) {
            chooseMethod(scene, method);
        }
        prepareFrameKnots(scene);
        frames[i] = composeFrame(scene);
    }
    return frames;
}

FrameReport overlayFrame(const MethodFrames& frames, const MethodSet& chosen) {
    // Every frame has the same points and polygon; the first one's serve.
    FrameReport overlay;
    for (const Disc& disc : frames[0].discs) {
        if (disc.role == DiscRole::Point) {
            overlay.discs.push_back(disc);
        }
    }
    for (const Polyline& line : frames[0].polylines) {
        if (line.role == PolylineRole::Polygon) {
            overlay.polylines.push_back(line);
        }
    }
    for (const CurveMethod method : methodsInMenuOrder()) {
        const auto index = static_cast<std::size_t>(method);
        if (!chosen[index]) {
            continue;
        }
        for (const Polyline& line : frames[index].polylines) {
            if (line.role == PolylineRole::Curve) {
                overlay.polylines.push_back(line);
            }
        }
    }
    return overlay;
}

}  // namespace veltro
