#include "curves/update_scene.h"

namespace veltro {

namespace {

const Colour kPolygonColour{155.0f, 155.0f, 155.0f, 255.0f};
const Colour kDiscColour{255.0f, 199.0f, 204.0f, 255.0f};

void appendPolyline(std::vector<LineSegment>& segments, const std::vector<Point2>& points,
                    const Colour& colour) {
    for (std::size_t i = 0; i + 1 < points.size(); ++i) {
        segments.emplace_back(points[i], points[i + 1], colour);
    }
}

}  // namespace

// Skeleton: control polygon and discs only; the curve methods join it.
void updateScene(SceneState& state, FrameBuffer& frame) {
    if (state.controlPoints.size() >= 2) {
        state.sliderMarkers.clear();
        state.segmentList.clear();
        state.workPolyline.clear();
        state.casteljauLevels.clear();
        for (const ControlPoint& p : state.controlPoints) {
            state.workPolyline.push_back(p.centre);
        }
        appendPolyline(state.segmentList, state.workPolyline, kPolygonColour);
    }
    state.markerColour = kDiscColour;
    for (const ControlPoint& p : state.controlPoints) {
        p.draw(frame, state.markerColour);
    }
    for (const LineSegment& s : state.segmentList) {
        s.drawBresenham(frame);
    }
    state.redrawRequested = false;
}

}  // namespace veltro
