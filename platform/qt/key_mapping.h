#pragma once

#include <optional>

#include <Qt>

#include "ui/key.h"

namespace veltro::qt {

// The editor's key for a Qt key, or nothing for keys the editor does not
// react to. Plus and minus count from either keyboard: the keypad ones (Qt
// marks them with KeypadModifier) and the main keyboard's "=/+" and "-/_"
// keys, shifted or not.
std::optional<Key> editorKeyFor(int qtKey, Qt::KeyboardModifiers modifiers);

}  // namespace veltro::qt
