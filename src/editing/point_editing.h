#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "geometry/control_point.h"
#include "geometry/point2.h"

namespace veltro {

// The Move Points gesture: press picks, every move drags, the release first
// resolves overlaps and then confines the dropped points to the window.
// The picked points are named by their place in the list and kept apart from
// the points, so copying or growing the list never changes the pick.

// A picked point and where its drag began: where a refused drop sends it.
struct PickedPoint {
    std::size_t index = 0;
    Point2 dragStart;

    friend bool operator==(const PickedPoint&, const PickedPoint&) = default;
};

// Press in Move Points mode: picks every point whose disc contains m, in
// list order. A point still picked from the press before keeps where its
// drag began; the others begin where they are.
void pickPoints(const std::vector<ControlPoint>& points, const Point2& m,
                std::vector<PickedPoint>& picked);

// While the button is held, every picked point jumps onto the cursor.
void dragPickedPoints(std::vector<ControlPoint>& points, const std::vector<PickedPoint>& picked,
                      const Point2& m, bool& redrawRequested);

// The release: every picked point dropped onto another point goes back to
// where its drag began, in list order, so a later point sees where the
// earlier ones ended up; then a picked point whose disc is not wholly inside
// the window goes back too, and one that stays begins its next drag there.
// The points stay picked.
void dropPickedPoints(std::vector<ControlPoint>& points, std::vector<PickedPoint>& picked,
                      bool& redrawRequested);

// What a typed position does to a point: the rules of a drag that ends
// there, so a point never rests where the mouse could not leave it.
enum class Placement {
    Placed,
    NoSuchPoint,
    OntoAnotherPoint,  // went back: it would land on another point
    OutsideArea,       // went back: its disc would stick out of the window
};

// Tells what placing point `index` at `target` would do, changing nothing,
// so a host can say why before the editor takes the message.
Placement placementOf(const std::vector<ControlPoint>& points, std::size_t index,
                      const Point2& target);

// Moves point `index` to `target` as a drag from where it is would; a
// refused point stays where it was. A target that is not finite is no
// position at all and refused as outside.
Placement placePoint(std::vector<ControlPoint>& points, std::size_t index, const Point2& target,
                     bool& redrawRequested);

// The point a press at m would reach first to the eye: of the discs that
// contain m (the rule picking uses), the one drawn last, which lies on top.
std::optional<std::size_t> pointUnder(const std::vector<ControlPoint>& points, const Point2& m);

// Removes the point at `index`; the points after it move up by one, and the
// pick follows them. False, changing nothing, when there is no such point.
bool deletePoint(std::vector<ControlPoint>& points, std::vector<PickedPoint>& picked,
                 std::size_t index);

}  // namespace veltro
