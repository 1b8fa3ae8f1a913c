#include "segments_text.h"

#include "number_text.h"

namespace veltro::replay {

std::string segmentsText(const FrameReport& report) {
    std::string out;
    forEachSegment(report, [&out](const Point2& start, const Point2& end, const Colour& c) {
        const float values[] = {start.x, start.y, end.x, end.y, c.r, c.g, c.b, c.a};
        for (std::size_t v = 0; v < std::size(values); ++v) {
            appendFloat(out, values[v]);
            out += v + 1 < std::size(values) ? ' ' : '\n';
        }
    });
    return out;
}

}  // namespace veltro::replay
