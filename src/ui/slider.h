#pragma once

#include <string>

#include "ui/editor_state.h"
#include "ui/shell.h"

namespace veltro {

// Whether the plus and minus keys move the slider: only while it is on, and
// only for the methods that show it, the B-spline from three points on.
bool sliderSteps(const EditorState& state);

// The plus and minus keys: when the slider steps, moves sliderT one step of
// 0.01 up (direction +1) or down (-1), kept inside the current method's
// parameter range. With the B-spline the title shows the new value.
void stepSlider(EditorState& state, Shell& shell, int direction);

// The title the B-spline's slider shows: "t = 3.51".
std::string sliderTitle(float t);

}  // namespace veltro
