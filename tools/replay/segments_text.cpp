#include "segments_text.h"

#include <cstdio>

namespace veltro::replay {

std::string segmentsText(const std::vector<LineSegment>& segments) {
    std::string out;
    out.reserve(segments.size() * 64);
    for (const LineSegment& s : segments) {
        const Colour& c = s.colour();
        const float values[] = {s.start().x, s.start().y, s.end().x, s.end().y, c.r, c.g, c.b, c.a};
        for (std::size_t i = 0; i < std::size(values); ++i) {
            char text[32];
            std::snprintf(text, sizeof text, "%.9g", static_cast<double>(values[i]));
            out += text;
            out += i + 1 < std::size(values) ? ' ' : '\n';
        }
    }
    return out;
}

}  // namespace veltro::replay
