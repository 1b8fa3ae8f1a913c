#include "compare_figure.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <regex>

#include "scene_names.h"
#include "scratch_dir.h"
#include "segments_text.h"
#include "session.h"
#include "svg_parse.h"
#include "ui/command.h"
#include "ui/menu_table.h"

namespace veltro::replay {
namespace {

namespace fs = std::filesystem;

// The pictures of each method's frame in the SVG grid, in document order.
std::vector<std::string> svgCells(const std::string& svg) {
    std::vector<std::string> cells;
    std::size_t at = 0;
    while ((at = svg.find("<svg x=", at)) != std::string::npos) {
        const std::size_t end = svg.find("</svg>", at);
        cells.push_back(svg.substr(at, end - at));
        at = end;
    }
    return cells;
}

std::vector<std::string> svgLabels(const std::string& svg) {
    static const std::regex text(R"(<text [^>]*>([^<]*)</text>)");
    std::vector<std::string> labels;
    for (auto it = std::sregex_iterator(svg.begin(), svg.end(), text); it != std::sregex_iterator();
         ++it) {
        labels.push_back((*it)[1]);
    }
    return labels;
}

RgbImage cellOf(const RgbImage& grid, std::size_t position) {
    const CellOrigin origin = compareImageCell(position);
    RgbImage cell;
    cell.width = FrameBuffer::kWidth;
    cell.height = FrameBuffer::kHeight;
    for (std::uint32_t row = 0; row < cell.height; ++row) {
        const auto from = grid.rgb.begin() +
                          std::ptrdiff_t((std::size_t{origin.y + row} * grid.width + origin.x) * 3);
        cell.rgb.insert(cell.rgb.end(), from, from + static_cast<std::ptrdiff_t>(cell.width) * 3);
    }
    return cell;
}

class CompareOfScene : public testing::TestWithParam<std::string> {};

// Each picture of the grid is the frame the session draws once that
// method is chosen from the Object menu (the session itself for the method
// it already has): in the SVG segment for segment, in the PNG pixel for
// pixel. The session's own frame is left as it was.
TEST_P(CompareOfScene, EveryPictureIsTheFrameOfThatMethodChosen) {
    const fs::path script = fs::path(VELTRO_REPLAY_SCENES_DIR) / (GetParam() + ".replay");
    const ParsedScript parsed = parseScript(readTextFile(script.string()));
    ASSERT_FALSE(parsed.error);
    Session session;
    ASSERT_FALSE(session.playAll(parsed.steps));
    const std::string segmentsBefore = segmentsText(session.core().lastFrame());

    const std::string svg = compareSvg(session.core());
    const RgbImage grid = compareImage(session.core());
    const std::vector<std::string> cells = svgCells(svg);
    const auto methods = methodsInMenuOrder();
    ASSERT_EQ(cells.size(), methods.size());
    std::vector<std::string> names;
    for (std::size_t i = 0; i < methods.size(); ++i) {
        const Command command = commandChoosing(methods[i]);
        names.emplace_back(menuText(command));
        Session chosen;
        ASSERT_FALSE(chosen.playAll(parsed.steps));
        if (!chosen.ended() && chosen.state().method != methods[i]) {
            ASSERT_FALSE(chosen.play(Message::menu(command)));
        } else if (chosen.state().method != methods[i]) {
            continue;  // a closed session takes no more messages
        }
        EXPECT_EQ(parseSvg(cells[i]).lines,
                  drawableSegments(segmentsText(chosen.core().lastFrame())))
            << names.back();
        if (chosen.framesDrawn() > 0) {
            EXPECT_EQ(cellOf(grid, i),
                      imageFromFrameWords(chosen.presentedWords(), FrameBuffer::kWidth,
                                          FrameBuffer::kHeight))
                << names.back();
        }
    }
    EXPECT_EQ(svgLabels(svg), names);
    EXPECT_EQ(segmentsText(session.core().lastFrame()), segmentsBefore);
}

INSTANTIATE_TEST_SUITE_P(Scenes, CompareOfScene, testing::ValuesIn(sceneNames()),
                         [](const auto& info) { return info.param; });

}  // namespace
}  // namespace veltro::replay
