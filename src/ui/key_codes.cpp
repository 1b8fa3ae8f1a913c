#include "ui/key_codes.h"

namespace veltro {

namespace {

struct KeyCode {
    Key key;
    int virtualCode;
    std::string_view name;
};

// The one place the numbers are written.
constexpr KeyCode kKeyCodes[] = {
    {Key::Space, 32, "space"},      {Key::Plus, 187, "plus"},         {Key::Minus, 189, "minus"},
    {Key::NumPlus, 107, "numplus"}, {Key::NumMinus, 109, "numminus"},
};

}  // namespace

Key keyForVirtualCode(long long code) {
    for (const KeyCode& entry : kKeyCodes) {
        if (entry.virtualCode == code) {
            return entry.key;
        }
    }
    return Key::Other;
}

std::optional<Key> keyWithName(std::string_view name) {
    for (const KeyCode& entry : kKeyCodes) {
        if (entry.name == name) {
            return entry.key;
        }
    }
    return std::nullopt;
}

std::optional<std::string_view> keyName(Key key) {
    for (const KeyCode& entry : kKeyCodes) {
        if (entry.key == key) {
            return entry.name;
        }
    }
    return std::nullopt;
}

}  // namespace veltro
