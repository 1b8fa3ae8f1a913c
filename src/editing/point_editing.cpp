#include "editing/point_editing.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
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

// Whether point q's disc holds a corner of the square of a point dropped
// at `dropped` or the probe `centre`.
bool holdsDrop(const ControlPoint& q, const Square& dropped, const Point2& centre) {
    const Square around(q);
    const std::array<Point2, 5> probes{
        Point2(dropped.left, dropped.bottom), Point2(dropped.right, dropped.bottom),
        Point2(dropped.left, dropped.top), Point2(dropped.right, dropped.top), centre};
    const auto anyProbe = [&probes](const auto& holds) {
        return std::any_of(probes.begin(), probes.end(), holds);
    };
    return anyProbe([&around](const Point2& p) { return around.contains(p); }) &&
           anyProbe([&q](const Point2& p) { return q.contains(p); });
}

// Sends the point at index k back to `dragStart` when another point's disc
// holds a corner of its square at the drop position or its centre.
void resolveOverlap(std::vector<ControlPoint>& points, std::size_t k, const Point2& dragStart,
                    bool& redrawRequested) {
    const Square dropped(points[k]);
    for (std::size_t j = 0; j < points.size(); ++j) {
        // The corners stay those of the drop position; the centre probe is
        // wherever the point is now, possibly already sent back by an
        // earlier q.
        if (j != k && holdsDrop(points[j], dropped, points[k].centre)) {
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

Placement placementOf(const std::vector<ControlPoint>& points, std::size_t index,
                      const Point2& target) {
    if (index >= points.size()) {
        return Placement::NoSuchPoint;
    }
    if (!std::isfinite(target.x) || !std::isfinite(target.y)) {
        return Placement::OutsideArea;
    }
    const ControlPoint dropped(target, points[index].radius);
    const Square square(dropped);
    // Until one point sends it back, the drop's centre probe is the target:
    // the first that does decides, as it would for a drag.
    for (std::size_t j = 0; j < points.size(); ++j) {
        if (j != index && holdsDrop(points[j], square, target)) {
            return Placement::OntoAnotherPoint;
        }
    }
    return dropped.insideFrame() ? Placement::Placed : Placement::OutsideArea;
}

Placement placePoint(std::vector<ControlPoint>& points, std::size_t index, const Point2& target,
                     bool& redrawRequested) {
    const Placement placement = placementOf(points, index, target);
    if (placement == Placement::Placed && !(points[index].centre == target)) {
        points[index].centre = target;
        redrawRequested = true;
    }
    return placement;
}

std::optional<std::size_t> pointUnder(const std::vector<ControlPoint>& points, const Point2& m) {
    for (std::size_t i = points.size(); i > 0; --i) {
        if (points[i - 1].contains(m)) {
            return i - 1;
        }
    }
    return std::nullopt;
}

bool deletePoint(std::vector<ControlPoint>& points, std::vector<PickedPoint>& picked,
                 std::size_t index) {
    if (index >= points.size()) {
        return false;
    }
    points.erase(points.begin() + static_cast<std::ptrdiff_t>(index));
    std::erase_if(picked, [index](const PickedPoint& p) { return p.index == index; });
    for (PickedPoint& p : picked) {
        if (p.index > index) {
            --p.index;
        }
    }
    return true;
}

}  // namespace veltro
