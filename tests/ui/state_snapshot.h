#pragma once

#include <ostream>

#include "ui/editor_state.h"

namespace veltro::testing_support {

// The editor state reduced to comparable values, so a test can state every
// change a message makes and thereby everything it leaves alone.
struct Snapshot {
    EditMode editMode;
    CurveMethod method;
    bool sliderOn, shellsOn, continuityOn;
    float sliderT;
    std::int32_t bsplineDegree;
    KnotSequence knotSequence, workingKnots;
    std::size_t points, dialogs;
    bool mouseDown, redrawRequested, quitRequested;

    explicit Snapshot(const EditorState& s)
        : editMode(s.editMode),
          method(s.method),
          sliderOn(s.sliderOn),
          shellsOn(s.shellsOn),
          continuityOn(s.continuityOn),
          sliderT(s.sliderT),
          bsplineDegree(s.bsplineDegree),
          knotSequence(s.knotSequence),
          workingKnots(s.workingKnots),
          points(s.controlPoints.size()),
          dialogs(s.openDialogs.size()),
          mouseDown(s.mouseDown),
          redrawRequested(s.redrawRequested),
          quitRequested(s.quitRequested) {}

    friend bool operator==(const Snapshot&, const Snapshot&) = default;
};

inline std::ostream& operator<<(std::ostream& os, const KnotSequence& knots) {
    os << "{";
    for (std::size_t i = 0; i < knots.size(); ++i) {
        os << (i ? ", " : "") << knots[i];
    }
    return os << "}";
}

inline void PrintTo(const Snapshot& s, std::ostream* os) {
    *os << "mode " << static_cast<int>(s.editMode) << " method " << static_cast<int>(s.method)
        << " slider " << s.sliderOn << " shells " << s.shellsOn << " continuity " << s.continuityOn
        << " t " << s.sliderT << " degree " << s.bsplineDegree << " knots " << s.knotSequence
        << " working " << s.workingKnots << " points " << s.points << " dialogs " << s.dialogs
        << " down " << s.mouseDown << " redraw " << s.redrawRequested << " quit "
        << s.quitRequested;
}

}  // namespace veltro::testing_support
