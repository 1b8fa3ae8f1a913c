#include "segments_text.h"

#include <cstdio>

namespace veltro::replay {

std::string segmentsText(const FrameReport& report) {
    std::size_t points = 0;
    for (const Polyline& line : report.polylines) {
        points += line.points.size();
    }
    std::string out;
    out.reserve(points * 64);
    for (const Polyline& line : report.polylines) {
        const Colour& c = line.colour;
        for (std::size_t i = 0; i + 1 < line.points.size(); ++i) {
            const Point2& start = line.points[i];
            const Point2& end = line.points[i + 1];
            const float values[] = {start.x, start.y, end.x, end.y, c.r, c.g, c.b, c.a};
            for (std::size_t v = 0; v < std::size(values); ++v) {
                char text[32];
                std::snprintf(text, sizeof text, "%.9g", static_cast<double>(values[v]));
                out += text;
                out += v + 1 < std::size(values) ? ' ' : '\n';
            }
        }
    }
    return out;
}

}  // namespace veltro::replay
