#include "dom_keys.h"

#include <cstddef>

namespace veltro::web {

namespace {

constexpr DomKey kDomKeys[] = {
    {"Space", Key::Space}, {"NumpadAdd", Key::NumPlus}, {"NumpadSubtract", Key::NumMinus},
    {"Equal", Key::Plus},  {"Minus", Key::Minus},
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
