#include "compare_figure.h"

#include <algorithm>

#include "core/method_pictures.h"
#include "curves/curve_colours.h"
#include "raster/frame_buffer.h"
#include "svg_figure.h"
#include "ui/command.h"
#include "ui/menu_table.h"

namespace veltro::replay {

namespace {

constexpr std::uint32_t kWidth = FrameBuffer::kWidth;
constexpr std::uint32_t kHeight = FrameBuffer::kHeight;

std::uint32_t gridSize(std::uint32_t count, std::uint32_t cell) {
    return count * cell + (count + 1) * kCompareGap;
}

void appendLabel(std::string& out, std::uint32_t x, std::uint32_t y, CurveMethod method) {
    const std::string colour = svgColour(curveColour(method));
    const std::uint32_t baseline = y + kCompareLabelHeight - 10;
    out += "  <rect x=\"" + std::to_string(x) + "\" y=\"" + std::to_string(baseline - 14) +
           "\" width=\"28\" height=\"14\" fill=\"" + colour + "\" stroke=\"none\"/>\n";
    out += "  <text x=\"" + std::to_string(x + 36) + "\" y=\"" + std::to_string(baseline) +
           "\" font-family=\"sans-serif\" font-size=\"18\" fill=\"rgb(0,0,0)\">";
    out += menuText(commandChoosing(method));
    out += "</text>\n";
}

}  // namespace

std::string compareSvg(const EditorCore& core, const SvgStyle& style) {
    const std::uint32_t cellHeight = kCompareLabelHeight + kHeight;
    const std::string width = std::to_string(gridSize(kCompareColumns, kWidth));
    const std::string height = std::to_string(gridSize(kCompareRows, cellHeight));
    std::string out =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
        width + "\" height=\"" + height + "\" viewBox=\"0 0 " + width + " " + height +
        "\">\n"
        "  <rect width=\"" +
        width + "\" height=\"" + height + "\" fill=\"rgb(255,255,255)\" stroke=\"none\"/>\n";
    const MethodFrames frames = core.methodFrames();
    const auto methods = methodsInMenuOrder();
    for (std::size_t i = 0; i < methods.size(); ++i) {
        const std::uint32_t column = static_cast<std::uint32_t>(i) % kCompareColumns;
        const std::uint32_t row = static_cast<std::uint32_t>(i) / kCompareColumns;
        const std::uint32_t x = kCompareGap + column * (kWidth + kCompareGap);
        const std::uint32_t y = kCompareGap + row * (cellHeight + kCompareGap);
        appendLabel(out, x, y, methods[i]);
        // A nested viewport clips what the frame would clip, so no picture
        // draws into its neighbour.
        out += "  <svg x=\"" + std::to_string(x) + "\" y=\"" +
               std::to_string(y + kCompareLabelHeight) +
               "\" width=\"640\" height=\"480\" viewBox=\"0 0 640 480\">\n";
        appendFigureBody(out, frames[static_cast<std::size_t>(methods[i])], style,
                         "frame-" + std::to_string(i + 1));
        out += "  </svg>\n";
        out += "  <rect x=\"" + std::to_string(x) + "\" y=\"" +
               std::to_string(y + kCompareLabelHeight) +
               "\" width=\"640\" height=\"480\" fill=\"none\" stroke=\"rgb(192,192,192)\"/>\n";
    }
    out += "</svg>\n";
    return out;
}

CellOrigin compareImageCell(std::size_t position) {
    const std::uint32_t column = static_cast<std::uint32_t>(position) % kCompareColumns;
    const std::uint32_t row = static_cast<std::uint32_t>(position) / kCompareColumns;
    return CellOrigin{kCompareGap + column * (kWidth + kCompareGap),
                      kCompareGap + row * (kHeight + kCompareGap)};
}

RgbImage compareImage(const EditorCore& core) {
    RgbImage grid;
    grid.width = gridSize(kCompareColumns, kWidth);
    grid.height = gridSize(kCompareRows, kHeight);
    // Light grey between the pictures, so their white edges show.
    grid.rgb.assign(std::size_t{grid.width} * grid.height * 3, 0xC0);
    MethodPictures pictures;
    pictures.paint(core, MethodSet{});
    const auto methods = methodsInMenuOrder();
    for (std::size_t i = 0; i < methods.size(); ++i) {
        const RgbImage picture = imageFromFrameWords(pictures.method(methods[i]), kWidth, kHeight);
        const CellOrigin origin = compareImageCell(i);
        for (std::uint32_t row = 0; row < kHeight; ++row) {
            const auto from = picture.rgb.begin() + static_cast<std::ptrdiff_t>(row) * kWidth * 3;
            const std::size_t to = (std::size_t{origin.y + row} * grid.width + origin.x) * 3;
            std::copy(from, from + static_cast<std::ptrdiff_t>(kWidth) * 3,
                      grid.rgb.begin() + std::ptrdiff_t(to));
        }
    }
    return grid;
}

}  // namespace veltro::replay
