#pragma once

#include <optional>
#include <string_view>

#include "ui/key.h"

namespace veltro {

// Windows virtual-key codes are spoken only at the edges: the Windows
// program's WM_KEYDOWN and the replay format's `key CODE`.
Key keyForVirtualCode(long long code);

// The names the replay format gives the keys ("space", "plus", ...); Other
// has none.
std::optional<Key> keyWithName(std::string_view name);
std::optional<std::string_view> keyName(Key key);

}  // namespace veltro
