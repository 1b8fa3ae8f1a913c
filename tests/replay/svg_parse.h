#pragma once

// Reads back what the replay tool's SVG figures hold, for tests that compare
// them with the segment list.

#include <cmath>
#include <cstdlib>
#include <regex>
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

inline ParsedSvg parseSvg(const std::string& svg) {
    static const std::regex element(
        R"re(<(circle|polyline) class="(\w+)" )re"
        R"re((?:cx="([^"]*)" cy="([^"]*)" r="([^"]*)"|points="([^"]*)") )re"
        R"re((?:fill|fill="none" stroke)="rgb\((\d+),(\d+),(\d+)\)"(?: stroke="none")?/>)re");
    ParsedSvg parsed;
    for (auto it = std::sregex_iterator(svg.begin(), svg.end(), element);
         it != std::sregex_iterator(); ++it) {
        const std::smatch& m = *it;
        const int r = std::stoi(m[7]), g = std::stoi(m[8]), b = std::stoi(m[9]);
        if (m[1] == "circle") {
            parsed.circleAfterLine = parsed.circleAfterLine || parsed.polylines > 0;
            parsed.circles.push_back(
                Circle{number(m[3]), number(m[4]), number(m[5]), r, g, b, m[2].str()});
            continue;
        }
        ++parsed.polylines;
        std::vector<std::pair<float, float>> points;
        std::istringstream in(m[6].str());
        std::string pair;
        while (in >> pair) {
            const auto comma = pair.find(',');
            points.emplace_back(number(pair.substr(0, comma)), number(pair.substr(comma + 1)));
        }
        for (std::size_t i = 1; i < points.size(); ++i) {
            parsed.lines.push_back(Line{points[i - 1].first, points[i - 1].second, points[i].first,
                                        points[i].second, r, g, b});
            parsed.lineRoles.push_back(m[2].str());
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
