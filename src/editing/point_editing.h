#pragma once

#include <cstddef>
#include <vector>

#include "geometry/control_point.h"
#include "geometry/point2.h"

namespace veltro {

// The Move Points gesture: press picks, every move drags, the release first
// resolves overlaps and then confines the dropped points to the window.
// The caller owns mouseDown and redrawRequested; these functions only read
// the one and set the other.

// Press in Move Points mode: every point whose disc contains m is selected,
// every other point deselected.
void pickPoints(std::vector<ControlPoint>& points, const Point2& m);

// While the button is held, every selected point jumps onto the cursor.
void dragSelectedPoints(std::vector<ControlPoint>& points, const Point2& m, bool mouseDown,
                        bool& redrawRequested);

// After the release, a selected point whose disc is not wholly inside the
// window goes back to where its drag began.
void confineSelectedPoints(std::vector<ControlPoint>& points, bool& redrawRequested);

// After the release, every selected point dropped onto another point goes
// back to where its drag began; handled in container order, so a later point
// sees where the earlier ones ended up.
void resolveDropOverlaps(std::vector<ControlPoint>& points, bool& redrawRequested);

// Sends the point at index k back when any other point overlaps its drop
// position. An index past the end does nothing.
void resolvePointOverlap(std::vector<ControlPoint>& points, std::size_t k, bool& redrawRequested);

}  // namespace veltro
