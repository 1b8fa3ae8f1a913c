#include "inspect/inspection_json.h"

#include <nlohmann/json.hpp>

namespace veltro {

namespace {

using Json = nlohmann::ordered_json;

// A double as it is; nlohmann writes the shortest round-trip text, and
// null for NaN and the infinities.
Json point(const InspectionPoint& p) {
    return Json::array({p.x, p.y});
}

Json polyline(const std::vector<InspectionPoint>& points) {
    Json out = Json::array();
    for (const InspectionPoint& p : points) {
        out.push_back(point(p));
    }
    return out;
}

Json basisJson(const BasisCurves& basis) {
    Json curves = Json::array();
    for (const std::vector<InspectionPoint>& curve : basis.curves) {
        curves.push_back(polyline(curve));
    }
    return Json{{"samples", basis.samples},
                {"thinned", basis.thinned},
                {"curves", std::move(curves)},
                {"knots", basis.knots}};
}

Json bsplineJson(const BSplineNumbers& numbers) {
    Json multiplicities = Json::array();
    for (const KnotMultiplicity& run : numbers.multiplicities) {
        multiplicities.push_back(Json::array({run.knot, run.multiplicity}));
    }
    return Json{{"degree", numbers.degree},
                {"knots", numbers.knots},
                {"span", numbers.span ? Json(*numbers.span) : Json(nullptr)},
                {"multiplicities", std::move(multiplicities)}};
}

}  // namespace

std::string inspectionJson(const Inspection& inspection) {
    Json out;
    out["method"] = std::string(curveMethodReportName(inspection.method));
    out["points"] = polyline(inspection.points);
    out["parameter"] =
        Json{{"t", inspection.parameter.t},
             {"domain",
              Json::array({inspection.parameter.domainStart, inspection.parameter.domainEnd})}};
    out["curvePoint"] = inspection.curvePoint ? point(*inspection.curvePoint) : Json(nullptr);
    out["weights"] = inspection.weights;
    if (inspection.levels) {
        Json levels = Json::array();
        for (const std::vector<InspectionPoint>& level : *inspection.levels) {
            levels.push_back(polyline(level));
        }
        out["levels"] = std::move(levels);
    } else {
        out["levels"] = nullptr;
    }
    out["basisCurves"] =
        inspection.basisCurves ? basisJson(*inspection.basisCurves) : Json(nullptr);
    if (inspection.bspline) {
        out["bspline"] = bsplineJson(*inspection.bspline);
    }
    if (inspection.newton) {
        out["newton"] = Json{{"x", inspection.newton->x}, {"y", inspection.newton->y}};
    }
    if (inspection.spline) {
        out["spline"] = Json{{"terms", inspection.spline->terms},
                             {"x", inspection.spline->x},
                             {"y", inspection.spline->y}};
    }
    if (inspection.midpoint) {
        out["midpoint"] = Json{{"left", polyline(inspection.midpoint->left)},
                               {"right", polyline(inspection.midpoint->right)}};
    }
    return out.dump();
}

}  // namespace veltro
