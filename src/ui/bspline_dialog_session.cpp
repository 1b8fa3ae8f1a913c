#include "ui/bspline_dialog_session.h"

#include <algorithm>
#include <limits>
#include <string>

#include "ui/bspline_dialog.h"

namespace veltro {

namespace {

// Ends the dialog with the given id; false when no such dialog is open.
bool endDialog(EditorState& state, int dialogId) {
    std::erase_if(state.longKnotFields,
                  [dialogId](const auto& field) { return field.first == dialogId; });
    return std::erase(state.openDialogs, dialogId) != 0;
}

std::size_t knotLimitOf(const EditorState& state, int dialogId) {
    for (const auto& [id, limit] : state.longKnotFields) {
        if (id == dialogId) {
            return limit;
        }
    }
    return kKnotTextLimit;
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
    if (knotFieldLimit(knotText) > kKnotTextLimit) {
        state.longKnotFields.emplace_back(dialogId, knotFieldLimit(knotText));
    }
    shell.openBSplineDialog(dialogId, degreeText, knotText);
    return dialogId;
}

bool confirmBSplineInput(EditorState& state, int dialogId, std::string_view degreeText,
                         std::string_view knotText) {
    const std::size_t knotLimit = knotLimitOf(state, dialogId);
    if (!endDialog(state, dialogId)) {
        return false;
    }
    state.redrawRequested = true;
    state.bsplineDegree = parseDegreeText(degreeText);
    // A fresh vector, so an empty field leaves no storage behind.
    state.knotSequence = parseKnotText(knotText, knotLimit);
    return true;
}

bool isDialogOpen(const EditorState& state, int dialogId) {
    return std::find(state.openDialogs.begin(), state.openDialogs.end(), dialogId) !=
           state.openDialogs.end();
}

bool cancelBSplineInput(EditorState& state, int dialogId) {
    if (!endDialog(state, dialogId)) {
        return false;
    }
    state.redrawRequested = true;
    return true;
}

}  // namespace veltro
