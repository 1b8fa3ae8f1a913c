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
#include "svg_parse.h"

namespace veltro::replay {
namespace {

namespace fs = std::filesystem;

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
