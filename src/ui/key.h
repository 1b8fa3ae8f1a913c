#pragma once

namespace veltro {

// The keys the editor reacts to. Plus and minus come from either keyboard;
// the slider treats both alike, but a recording keeps which one it was.
enum class Key {
    Space,
    Plus,      // the main keyboard's "=/+" key
    Minus,     // the main keyboard's "-/_" key
    NumPlus,   // the keypad's
    NumMinus,  // the keypad's
    Other,     // any other key: the editor ignores it
};

}  // namespace veltro
