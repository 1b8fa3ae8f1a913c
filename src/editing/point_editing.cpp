#include "editing/point_editing.h"

#include <algorithm>
#include <array>
#include <utility>

namespace veltro {

namespace {

// The square around a disc, edges included: a quick test before the disc's.
struct Square {
    float left, top, right, bottom;

    explicit Square(const ControlPoint& p)
        : left(p.centre.x - p.radius),
          top(p.centre.y - p.radius),
          right(p.centre.x + p.radius),
          bottom(p.centre.y + p.radius) {}

    bool contains(const Point2& p) const {
        return left <= p.x && p.x <= right && top <= p.y && p.y <= bottom;
    }
};

// Sends the point at index k back to `dragStart` when another point's disc
// holds a corner of its square at the drop position or its centre.
void resolveOverlap(std::vector<ControlPoint>& points, std::size_t k, const Point2& dragStart,
                    bool& redrawRequested) {
    const Square dropped(points[k]);
    for (std::size_t j = 0; j < points.size(); ++j) {
        if (j == k) {
            continue;
        }
        const ControlPoint& q = points[j];
        const Square around(q);
        // The corners stay those of the drop position; the centre probe is
        // wherever the point is now, possibly already sent back by an
        // earlier q.
        const std::array<Point2, 5> probes{Point2(dropped.left, dropped.bottom),
                                           Point2(dropped.right, dropped.bottom),
                                           Point2(dropped.left, dropped.top),
                                           Point2(dropped.right, dropped.top), points[k].centre};
        const auto anyProbe = [&probes](const auto& holds) {
            return std::any_of(probes.begin(), probes.end(), holds);
        };
        if (anyProbe([&around](const Point2& p) { return around.contains(p); }) &&
            anyProbe([&q](const Point2& p) { return q.contains(p); })) {
            points[k].centre = dragStart;
            redrawRequested = true;
        }
    }
}

}  // namespace

void pickPoints(const std::vector<ControlPoint>& points, const Point2& m,
                std::vector<PickedPoint>& picked) {
    std::vector<PickedPoint> next;
    // Both lists are in index order, so the previous pick is read in step.
    auto before = picked.begin();
    for (std::size_t i = 0; i < points.size(); ++i) {
        while (before != picked.end() && before->index < i) {
            ++before;
        }
        if (points[i].contains(m)) {
            const bool stillPicked = before != picked.end() && before->index == i;
            next.push_back({i, stillPicked ? before->dragStart : points[i].centre});
        }
    }
    picked = std::move(next);
}

void dragPickedPoints(std::vector<ControlPoint>& points, const std::vector<PickedPoint>& picked,
                      const Point2& m, bool& redrawRequested) {
    for (const PickedPoint& p : picked) {
        if (p.index < points.size()) {
            points[p.index].centre = m;
            redrawRequested = true;
        }
    }
}

void dropPickedPoints(std::vector<ControlPoint>& points, std::vector<PickedPoint>& picked,
                      bool& redrawRequested) {
    for (const PickedPoint& p : picked) {
        if (p.index < points.size()) {
            resolveOverlap(points, p.index, p.dragStart, redrawRequested);
        }
    }
    for (PickedPoint& p : picked) {
        if (p.index >= points.size()) {
            continue;
        }
        ControlPoint& point = points[p.index];
        if (point.insideFrame()) {
            p.dragStart = point.centre;
        } else {
            point.centre = p.dragStart;
            redrawRequested = true;
        }
    }
}

}  // namespace veltro
