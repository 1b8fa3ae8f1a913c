#include "key_codes.h"

#include "ui/message.h"

namespace veltro::qt {

std::optional<int> virtualKeyFor(int qtKey, Qt::KeyboardModifiers modifiers) {
    const bool keypad = modifiers.testFlag(Qt::KeypadModifier);
    switch (qtKey) {
        case Qt::Key_Space:
            return key::kSpace;
        case Qt::Key_Plus:
            return keypad ? key::kNumPlus : key::kPlus;
        case Qt::Key_Minus:
            return keypad ? key::kNumMinus : key::kMinus;
        case Qt::Key_Equal:
            // A keypad "=" is a key of its own, not the main keyboard's plus.
            if (keypad) {
                return std::nullopt;
            }
            return key::kPlus;
        case Qt::Key_Underscore:
            return keypad ? std::nullopt : std::optional<int>(key::kMinus);
        default:
            return std::nullopt;
    }
}

}  // namespace veltro::qt
