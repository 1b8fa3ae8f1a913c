#include <cstdint>
#include <utility>

#include "geometry/float_to_int.h"
#include "raster/bresenham_paths.h"
#include "raster/visible_steps.h"

namespace veltro::raster::detail {

template <class Sink>
void drawClippedBresenham(const BresenhamSetup& s, const BresenhamWalk& walk,
                          const PixelWindow& window, Sink& sink) {
    const bool yMajor = s.dy / s.dx >= 1.0f;
    const auto pixelAt = [&](std::int64_t k) {
        const BresenhamState state = walk.at(k);
        return std::pair<std::int64_t, std::int64_t>(roundHalfUp(state.u), roundHalfUp(state.v));
    };
    const int majorDir = (yMajor ? s.sy : s.sx) < 0.0f ? -1 : 1;
    const int minorDir = (yMajor ? s.sx : s.sy) < 0.0f ? -1 : 1;
    const Motion motion{
        yMajor ? s.y0 : s.x0, yMajor ? s.x0 : s.y0,
        yMajor ? static_cast<double>(s.dx) / s.dy : static_cast<double>(s.dy) / s.dx};
    const StepRange run =
        visibleSteps(walk.steps(), majorDir, minorDir, axisWindow(window, yMajor), motion, pixelAt);
    if (run.first <= run.last) {
        walk.emitSteps(walk.at(run.first), run.first, run.last, sink);
    }
}

template void drawClippedBresenham(const BresenhamSetup&, const BresenhamWalk&, const PixelWindow&,
                                   FrameSink&);
template void drawClippedBresenham(const BresenhamSetup&, const BresenhamWalk&, const PixelWindow&,
                                   RecordingSink&);

}  // namespace veltro::raster::detail
