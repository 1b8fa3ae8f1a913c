#include "key_mapping.h"

namespace veltro::qt {

std::optional<Key> editorKeyFor(int qtKey, Qt::KeyboardModifiers modifiers) {
    const bool keypad = modifiers.testFlag(Qt::KeypadModifier);
    switch (qtKey) {
        case Qt::Key_Space:
            return Key::Space;
        case Qt::Key_Plus:
            return keypad ? Key::NumPlus : Key::Plus;
        case Qt::Key_Minus:
            return keypad ? Key::NumMinus : Key::Minus;
        case Qt::Key_Equal:
            // A keypad "=" is a key of its own, not the main keyboard's plus.
            if (keypad) {
                return std::nullopt;
            }
            return Key::Plus;
        case Qt::Key_Underscore:
            return keypad ? std::nullopt : std::optional<Key>(Key::Minus);
        default:
            return std::nullopt;
    }
}

}  // namespace veltro::qt
