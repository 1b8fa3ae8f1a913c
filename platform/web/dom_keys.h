#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "ui/key.h"

namespace veltro::web {

// A physical key by the DOM's KeyboardEvent.code: keyboard layouts differ in
// what the keys print, and the desktop programs go by the key as well.
struct DomKey {
    std::string_view code;
    Key key;
};

// The keys the editor reacts to. The page learns their codes from its
// description and posts a key by its position in this list.
std::span<const DomKey> domKeys();
std::optional<Key> keyAtDomIndex(int index);

}  // namespace veltro::web
