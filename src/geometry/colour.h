#pragma once

namespace veltro {

// An RGBA colour on the 0..255 scale. Pixels take red, green and blue; alpha
// is carried along for the reports only.
struct Colour {
    Colour() = default;
    Colour(float red, float green, float blue, float alpha) : r(red), g(green), b(blue), a(alpha) {}

    friend bool operator==(const Colour&, const Colour&) = default;

    float r = 0.0f;
    float g = 0.0f;
    float b = 0.0f;
    float a = 255.0f;
};

}  // namespace veltro
