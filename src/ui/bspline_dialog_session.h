#pragma once

#include <string_view>

#include "ui/editor_state.h"
#include "ui/shell.h"

namespace veltro {

// Opens a new "B-Spline Input" dialog: the entered knots become the knots in
// use, and the dialog shows them with the degree. Returns its dialog id.
int openBSplineInput(EditorState& state, Shell& shell);

// OK and Cancel of the dialog with the given id. A dialog that was never
// opened or has already ended is left alone; the result tells whether the
// message was acted on.
bool confirmBSplineInput(EditorState& state, int dialogId, std::string_view degreeText,
                         std::string_view knotText);
bool cancelBSplineInput(EditorState& state, int dialogId);

// Whether the dialog with this id has been opened and not yet answered.
bool isDialogOpen(const EditorState& state, int dialogId);

}  // namespace veltro
