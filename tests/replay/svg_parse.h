#pragma once

// Reads back what the replay tool's SVG figures hold, for tests that compare
// them with the segment list.

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace veltro::replay {

// A segment or disc as the file says it: numbers and colour bytes.
struct Line {
    float x0, y0, x1, y1;
    int r, g, b;
    friend bool operator==(const Line&, const Line&) = default;
};

struct Circle {
    float cx, cy, radius;
    int r, g, b;
    std::string role;
    friend bool operator==(const Circle&, const Circle&) = default;
};

struct ParsedSvg {
    std::vector<Circle> circles;
    std::vector<Line> lines;             // every polyline taken apart again
    std::vector<std::string> lineRoles;  // the class of each line's polyline
    int polylines = 0;
    bool circleAfterLine = false;
};

inline float number(const std::string& text) {
    return std::strtof(text.c_str(), nullptr);
}

// The value of the attribute `name` in one element's text, empty when the
// element has none.
inline std::string attribute(const std::string& element, const std::string& name) {
    const std::string key = " " + name + "=\"";
    const std::size_t at = element.find(key);
    if (at == std::string::npos) {
        return {};
    }
    const std::size_t from = at + key.size();
    return element.substr(from, element.find('"', from) - from);
}

// Scanned by hand rather than with std::regex, whose matcher recurses once per
// character and overflows the stack on the points of a long polyline.
inline ParsedSvg parseSvg(const std::string& svg) {
    ParsedSvg parsed;
    for (std::size_t at = svg.find('<'); at != std::string::npos; at = svg.find('<', at + 1)) {
        const bool circle = svg.compare(at, 8, "<circle ") == 0;
        if (!circle && svg.compare(at, 10, "<polyline ") != 0) {
            continue;
        }
        const std::size_t close = svg.find("/>", at);
        const std::string element = svg.substr(at, close - at);
        const std::string role = attribute(element, "class");
        int r = -1, g = -1, b = -1;
        std::sscanf(attribute(element, circle ? "fill" : "stroke").c_str(), "rgb(%d,%d,%d)", &r, &g,
                    &b);
        if (circle) {
            parsed.circleAfterLine = parsed.circleAfterLine || parsed.polylines > 0;
            parsed.circles.push_back(Circle{number(attribute(element, "cx")),
                                            number(attribute(element, "cy")),
                                            number(attribute(element, "r")), r, g, b, role});
            continue;
        }
        ++parsed.polylines;
        std::vector<std::pair<float, float>> points;
        std::istringstream in(attribute(element, "points"));
        std::string pair;
        while (in >> pair) {
            const auto comma = pair.find(',');
            points.emplace_back(number(pair.substr(0, comma)), number(pair.substr(comma + 1)));
        }
        for (std::size_t i = 1; i < points.size(); ++i) {
            parsed.lines.push_back(Line{points[i - 1].first, points[i - 1].second, points[i].first,
                                        points[i].second, r, g, b});
            parsed.lineRoles.push_back(role);
        }
    }
    return parsed;
}

// The segment list as --segments writes it, read back; the segments the
// frame cannot draw are left out, as the figure leaves them out.
inline std::vector<Line> drawableSegments(const std::string& text) {
    std::vector<Line> lines;
    std::istringstream in(text);
    std::string row;
    while (std::getline(in, row)) {
        std::istringstream fields(row);
        std::string f[8];
        for (std::string& field : f) {
            fields >> field;
        }
        const Line line{number(f[0]),
                        number(f[1]),
                        number(f[2]),
                        number(f[3]),
                        static_cast<int>(number(f[4])),
                        static_cast<int>(number(f[5])),
                        static_cast<int>(number(f[6]))};
        if (std::isfinite(line.x0) && std::isfinite(line.y0) && std::isfinite(line.x1) &&
            std::isfinite(line.y1)) {
            lines.push_back(line);
        }
    }
    return lines;
}

}  // namespace veltro::replay
