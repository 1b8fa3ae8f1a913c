#pragma once

#include <cstdint>
#include <string>

#include "core/editor_core.h"
#include "frame_image.h"
#include "svg_figure.h"

namespace veltro::replay {

// Every method's frame of the editor's points, three to a row in the order
// of the Object menu, each the frame the editor would draw with that method
// chosen.
inline constexpr std::uint32_t kCompareColumns = 3;
inline constexpr std::uint32_t kCompareRows = 2;
// Space around and between the pictures, in pixels (PNG) or units (SVG).
inline constexpr std::uint32_t kCompareGap = 16;
// Above each picture in the SVG: its method's colour and name.
inline constexpr std::uint32_t kCompareLabelHeight = 32;

// The grid as one SVG document, the labels as text, each picture drawn as
// --svg draws a frame.
std::string compareSvg(const EditorCore& core, const SvgStyle& style = {});

// The grid as one picture, without labels: each cell holds exactly the
// pixels of its frame.
RgbImage compareImage(const EditorCore& core);

// Where the picture of the method at this position in the Object menu
// starts in the PNG grid.
struct CellOrigin {
    std::uint32_t x = 0;
    std::uint32_t y = 0;
};
CellOrigin compareImageCell(std::size_t position);

}  // namespace veltro::replay
