#include "svg_figure.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <limits>
#include <regex>
#include <sstream>

#include "scene_names.h"
#include "scratch_dir.h"
#include "segments_text.h"
#include "session.h"

namespace veltro::replay {
namespace {

namespace fs = std::filesystem;

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

float number(const std::string& text) {
    return std::strtof(text.c_str(), nullptr);
}

ParsedSvg parseSvg(const std::string& svg) {
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
std::vector<Line> drawableSegments(const std::string& text) {
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

class SvgOfScene : public testing::TestWithParam<std::string> {};

// The figure holds the very segments --segments lists, in order and colour,
// and a disc for every control point over the marker.
TEST_P(SvgOfScene, HoldsTheSegmentsAndPointsOfTheFrame) {
    const fs::path script = fs::path(VELTRO_REPLAY_SCENES_DIR) / (GetParam() + ".replay");
    const ParsedScript parsed = parseScript(readTextFile(script.string()));
    ASSERT_FALSE(parsed.error);
    Session session;
    ASSERT_FALSE(session.playAll(parsed.steps));

    const std::string text = svgFigure(session.core().lastFrame());
    const ParsedSvg svg = parseSvg(text);
    EXPECT_EQ(svg.lines, drawableSegments(segmentsText(session.core().lastFrame())));
    EXPECT_FALSE(svg.circleAfterLine);
    // Cut at the area as the window cuts it.
    EXPECT_NE(
        text.find(R"svg(<clipPath id="frame"><rect width="640" height="480"/></clipPath>)svg"),
        std::string::npos);
    EXPECT_NE(text.find(R"svg(<g clip-path="url(#frame)" stroke-width="1" )svg"),
              std::string::npos);
    // Each line's class names what its colour shows: the grey polygon, the
    // dark shells (or midpoint's first pass), every other colour a curve.
    for (std::size_t i = 0; i < svg.lines.size(); ++i) {
        const Line& line = svg.lines[i];
        const bool grey = line.r == 155 && line.g == 155 && line.b == 155;
        const bool shell = (line.r == 7 && line.g == 44 && line.b == 45) ||
                           (line.r == 155 && line.g == 15 && line.b == 25);
        EXPECT_EQ(svg.lineRoles[i], grey ? "polygon" : shell ? "shell" : "curve") << "line " << i;
    }

    const std::vector<ControlPoint>& points = session.state().controlPoints;
    ASSERT_GE(svg.circles.size(), points.size());
    const std::size_t markers = svg.circles.size() - points.size();
    EXPECT_LE(markers, 1u);
    for (std::size_t i = 0; i < points.size(); ++i) {
        EXPECT_EQ(svg.circles[markers + i],
                  (Circle{points[i].centre.x, points[i].centre.y, 10.0f, 255, 199, 204, "point"}))
            << "point " << i;
    }
    if (markers == 1) {
        const Circle& marker = svg.circles[0];
        EXPECT_EQ((Circle{marker.cx, marker.cy, 10.0f, 255, 80, 72, "marker"}), marker);
    }
}

INSTANTIATE_TEST_SUITE_P(Scenes, SvgOfScene, testing::ValuesIn(sceneNames()),
                         [](const auto& info) { return info.param; });

// Runs of one colour that continue one another join; a change of colour, a
// gap or an undrawable segment starts a new polyline, and nothing is lost.
TEST(SvgFigure, JoinsOnlyWhatContinues) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const Colour grey{155.0f, 155.0f, 155.0f, 255.0f};
    const Colour teal{5.0f, 100.0f, 100.0f, 8.0f};  // alpha is not opacity
    FrameReport report;
    report.polylines = {
        {grey, {{1.5f, 2.0f}, {3.0f, 4.0f}}},
        // Continues the grey one, across the report's polylines.
        {grey, {{3.0f, 4.0f}, {5.0f, 0.1f}}},
        {teal, {{5.0f, 0.1f}, {6.0f, 7.0f}, {nan, 8.0f}, {9.0f, 9.0f}, {10.0f, 10.0f}}},
        {teal, {{11.0f, 11.0f}, {12.0f, 1e-7f}}},
    };
    report.discs = {Disc{Point2(nan, 1.0f), 10.0f, grey}};

    const ParsedSvg svg = parseSvg(svgFigure(report));
    EXPECT_EQ(svg.lines, drawableSegments(segmentsText(report)));
    EXPECT_EQ(svg.polylines, 4);
    EXPECT_TRUE(svg.circles.empty());
}

}  // namespace
}  // namespace veltro::replay
