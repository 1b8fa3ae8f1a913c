#include "samples_text.h"

#include <cmath>

#include "number_text.h"

namespace veltro::replay {

std::string samplesText(const FrameReport& report) {
    std::string out;
    for (const Polyline& line : report.polylines) {
        if (line.role != PolylineRole::Curve) {
            continue;
        }
        if (line.parameters.size() != line.points.size()) {
            out +=
                "# no samples: this curve is drawn as a refined control polygon, not at values "
                "of a parameter\n";
            continue;
        }
        for (std::size_t i = 0; i < line.points.size(); ++i) {
            const Point2& p = line.points[i];
            if (!std::isfinite(p.x) || !std::isfinite(p.y)) {
                continue;
            }
            appendFloat(out, line.parameters[i]);
            out += ' ';
            appendFloat(out, p.x);
            out += ' ';
            appendFloat(out, p.y);
            out += '\n';
        }
    }
    return out;
}

}  // namespace veltro::replay
