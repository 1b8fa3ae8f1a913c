#include "editing/point_editing.h"

#include <array>

namespace veltro {

namespace {

// The square around the disc, in the corner order the box test expects.
void setBoxFromDisc(ControlPoint& p) {
    const float x = p.centre.x;
    const float y = p.centre.y;
    const float r = p.radius;
    p.setBoundingBox(Point2(x - r, y - r), Point2(x + r, y - r), Point2(x - r, y + r),
                     Point2(x + r, y + r));
}

}  // namespace

void pickPoints(std::vector<ControlPoint>& points, const Point2& m) {
    for (ControlPoint& p : points) {
        p.selected = p.contains(m);
    }
}

void dragSelectedPoints(std::vector<ControlPoint>& points, const Point2& m, bool mouseDown,
                        bool& redrawRequested) {
    if (!mouseDown) {
        return;
    }
    for (ControlPoint& p : points) {
        if (p.selected) {
            redrawRequested = true;
            // Only the position follows the cursor; the centre keeps its colour.
            p.centre.x = m.x;
            p.centre.y = m.y;
        }
    }
}

void confineSelectedPoints(std::vector<ControlPoint>& points, bool& redrawRequested) {
    for (ControlPoint& p : points) {
        if (p.selected && p.confineToWindow()) {
            redrawRequested = true;
        }
    }
}

void resolveDropOverlaps(std::vector<ControlPoint>& points, bool& redrawRequested) {
    for (std::size_t i = 0; i < points.size(); ++i) {
        if (points[i].selected) {
            resolvePointOverlap(points, i, redrawRequested);
        }
    }
}

void resolvePointOverlap(std::vector<ControlPoint>& points, std::size_t k, bool& redrawRequested) {
    if (k >= points.size()) {
        return;
    }
    setBoxFromDisc(points[k]);
    for (std::size_t j = 0; j < points.size(); ++j) {
        if (j == k) {
            continue;
        }
        ControlPoint& q = points[j];
        setBoxFromDisc(q);
        const ControlPoint& p = points[k];
        // The corners stay those of the drop position; the centre probe is
        // wherever P is now, possibly already sent back by an earlier Q.
        const std::array<Point2, 5> probes{p.boxCorners[2], p.boxCorners[3], p.boxCorners[0],
                                           p.boxCorners[1], p.centre};
        bool nearBox = false;
        for (const Point2& probe : probes) {
            nearBox = nearBox || q.boxContains(probe);
        }
        if (!nearBox) {
            continue;
        }
        bool onDisc = false;
        for (const Point2& probe : probes) {
            if (q.contains(probe)) {
                onDisc = true;
                break;
            }
        }
        if (onDisc) {
            points[k].centre = points[k].lastValidPosition;
            redrawRequested = true;
        }
    }
}

}  // namespace veltro
