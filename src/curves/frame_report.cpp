#include "curves/frame_report.h"

namespace veltro {

void FrameReport::addPolyline(const Point2* points, std::size_t count, const Colour& colour) {
    if (count < 2) {
        return;
    }
    runs.push_back(SegmentRun{segments.size(), count - 1});
    for (std::size_t i = 0; i + 1 < count; ++i) {
        segments.emplace_back(points[i], points[i + 1], colour);
    }
}

}  // namespace veltro
