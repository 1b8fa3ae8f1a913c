#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "ui/key.h"

namespace veltro::web {

// A key as the page recognises it in a KeyboardEvent. The keypad's keys go by
// position (KeyboardEvent.code), as a keypad is the same on every layout; the
// main keyboard's by the character they type (KeyboardEvent.key), as the
// desktop programs follow the keyboard layout: on a German keyboard the key
// that types "+" is the plus key, wherever it sits.
struct DomKey {
    std::string_view code;   // matched when not empty
    std::string_view typed;  // matched when code is empty, never for a keypad key
    Key key;
};

// The keys the editor reacts to. The page learns them from its description
// and posts a key by its position in this list.
std::span<const DomKey> domKeys();
std::optional<Key> keyAtDomIndex(int index);

}  // namespace veltro::web
