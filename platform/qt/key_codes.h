#pragma once

#include <optional>

#include <Qt>

namespace veltro::qt {

// The virtual-key code the core expects for a Qt key, or nothing for keys
// the editor does not react to. Plus and minus count from either keyboard:
// the keypad ones (Qt marks them with KeypadModifier) and the main
// keyboard's "=/+" and "-/_" keys, shifted or not.
std::optional<int> virtualKeyFor(int qtKey, Qt::KeyboardModifiers modifiers);

}  // namespace veltro::qt
