#include "ui/bspline_dialog_session.h"

#include <cstddef>

#include "ui/bspline_dialog.h"

namespace veltro {

namespace {

DialogRecord* openDialog(EditorState& state, int dialogId) {
    if (dialogId < 0 || static_cast<std::size_t>(dialogId) >= state.dialogs.size()) {
        return nullptr;
    }
    DialogRecord& record = state.dialogs[static_cast<std::size_t>(dialogId)];
    return record.open ? &record : nullptr;
}

}  // namespace

int openBSplineInput(EditorState& state, Shell& shell) {
    // From here on the entered list is the one the curve last used, whether
    // or not the user confirms.
    state.knotSequence = state.workingKnots;
    DialogRecord record;
    record.degreeText = formatDegreeText(state.bsplineDegree);
    record.knotText = formatKnotText(state.knotSequence);
    const int dialogId = static_cast<int>(state.dialogs.size());
    state.dialogs.push_back(record);
    shell.openBSplineDialog(dialogId, record.degreeText, record.knotText);
    return dialogId;
}

bool confirmBSplineInput(EditorState& state, int dialogId, std::string_view degreeText,
                         std::string_view knotText) {
    DialogRecord* record = openDialog(state, dialogId);
    if (record == nullptr) {
        return false;
    }
    state.redrawRequested = true;
    state.bsplineDegree = parseDegreeText(degreeText);
    // A fresh vector, so an empty field leaves no storage behind.
    state.knotSequence = parseKnotText(knotText);
    record->open = false;
    return true;
}

bool cancelBSplineInput(EditorState& state, int dialogId) {
    DialogRecord* record = openDialog(state, dialogId);
    if (record == nullptr) {
        return false;
    }
    state.redrawRequested = true;
    record->open = false;
    return true;
}

}  // namespace veltro
