#pragma once

#include <QString>

#include "editor_harness.h"
#include "script/script.h"

namespace veltro::qt::testing {

// Plays a replay script's steps as a user would on the real widgets: mouse
// events on the drawing area, keys on the focused widget, menu actions,
// typing into and clicking the dialog, closing the window. Each step is
// settled before the next, as the replay tool runs one turn per step.
// Returns an empty string, or why a step cannot be played through widgets.
QString playThroughWidgets(EditorHarness& harness, const std::vector<replay::ScriptStep>& steps);

}  // namespace veltro::qt::testing
