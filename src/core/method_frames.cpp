#include "core/method_frames.h"

#include <vector>

#include "curves/scene_frame.h"
#include "ui/commands.h"
#include "ui/menu_table.h"

namespace veltro {

namespace {

void copyPolyline(const Polyline& line, FrameReport& into) {
    Polyline copy{line.colour, into.takePoints(), line.role, line.parameters};
    copy.points.assign(line.points.begin(), line.points.end());
    into.polylines.push_back(std::move(copy));
}

}  // namespace

void methodFrames(const EditorState& state, MethodFrames& frames) {
    for (std::size_t i = 0; i < frames.size(); ++i) {
        const auto method = static_cast<CurveMethod>(i);
        EditorState scene = state;
        if (scene.method != method) {
            chooseMethod(scene, method);
        }
        prepareFrameKnots(scene);
        composeFrame(scene, frames[i]);
    }
}

MethodFrames methodFrames(const EditorState& state) {
    MethodFrames frames;
    methodFrames(state, frames);
    return frames;
}

void overlayFrame(const MethodFrames& frames, const MethodSet& chosen, FrameReport& overlay) {
    overlay.recycle();
    // Every frame has the same points and polygon; the first one's serve.
    for (const Disc& disc : frames[0].discs) {
        if (disc.role == DiscRole::Point) {
            overlay.discs.push_back(disc);
        }
    }
    for (const Polyline& line : frames[0].polylines) {
        if (line.role == PolylineRole::Polygon) {
            copyPolyline(line, overlay);
        }
    }
    for (const CurveMethod method : methodsInMenuOrder()) {
        const auto index = static_cast<std::size_t>(method);
        if (!chosen[index]) {
            continue;
        }
        for (const Polyline& line : frames[index].polylines) {
            if (line.role == PolylineRole::Curve) {
                copyPolyline(line, overlay);
            }
        }
    }
}

FrameReport overlayFrame(const MethodFrames& frames, const MethodSet& chosen) {
    FrameReport overlay;
    overlayFrame(frames, chosen, overlay);
    return overlay;
}

}  // namespace veltro
