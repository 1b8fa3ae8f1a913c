#include "ui/bspline_dialog_session.h"

#include <algorithm>
#include <limits>
#include <string>

#include "ui/bspline_dialog.h"

namespace veltro {

namespace {

// Ends the dialog with the given id; false when no such dialog is open.
bool endDialog(EditorState& state, int dialogId) {
    const auto it = std::find(state.openDialogs.begin(), state.openDialogs.end(), dialogId);
    if (it == state.openDialogs.end()) {
        return false;
    }
    state.openDialogs.erase(it);
    return true;
}

}  // namespace

int openBSplineInput(EditorState& state, Shell& shell) {
    // From here on the entered list is the one the curve last used, whether
    // or not the user confirms.
    state.knotSequence = state.workingKnots;
    const std::string degreeText = formatDegreeText(state.bsplineDegree);
    const std::string knotText = formatKnotText(state.knotSequence);
    const int dialogId = state.nextDialogId;
    // Ids start over rather than overflow; one still open that long is
    // never met in practice.
    state.nextDialogId = dialogId == std::numeric_limits<int>::max() ? 0 : state.nextDialogId + 1;
    state.openDialogs.push_back(dialogId);
    shell.openBSplineDialog(dialogId, degreeText, knotText);
    return dialogId;
}

bool confirmBSplineInput(EditorState& state, int dialogId, std::string_view degreeText,
                         std::string_view knotText) {
    if (!endDialog(state, dialogId)) {
        return false;
    }
    state.redrawRequested = true;
    state.bsplineDegree = parseDegreeText(degreeText);
    // A fresh vector, so an empty field leaves no storage behind.
    state.knotSequence = parseKnotText(knotText);
    return true;
}

bool cancelBSplineInput(EditorState& state, int dialogId) {
    if (!endDialog(state, dialogId)) {
        return false;
    }
    state.redrawRequested = true;
    return true;
}

}  // namespace veltro
