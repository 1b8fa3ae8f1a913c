#include "editing/point_editing.h"

namespace veltro {

void pickPoints(std::vector<ControlPoint>& points, const Point2& m) {
    for (ControlPoint& p : points) {
        p.selected = p.contains(m);
    }
}

}  // namespace veltro
