#include "dom_keys.h"

#include <cstddef>

namespace veltro::web {

namespace {

constexpr DomKey kDomKeys[] = {
    {"NumpadAdd", "", Key::NumPlus},
    {"NumpadSubtract", "", Key::NumMinus},
    {"", " ", Key::Space},
    {"", "+", Key::Plus},
    {"", "=", Key::Plus},
    {"", "-", Key::Minus},
    {"", "_", Key::Minus},
};

}  // namespace

std::span<const DomKey> domKeys() {
    return kDomKeys;
}

std::optional<Key> keyAtDomIndex(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= std::size(kDomKeys)) {
        return std::nullopt;
    }
    return kDomKeys[static_cast<std::size_t>(index)].key;
}

}  // namespace veltro::web
