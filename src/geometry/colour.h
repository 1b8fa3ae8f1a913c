#pragma once

namespace veltro {

// An RGBA colour on the 0..255 scale. Alpha is carried along but the pixel
// output never reads it.
class Colour {
  public:
    Colour() = default;
    Colour(float r, float g, float b, float a) : r_(r), g_(g), b_(b), a_(a) {}

    float getR() const { return r_; }
    float getG() const { return g_; }
    float getB() const { return b_; }
    void setR(float r) { r_ = r; }
    void setG(float g) { g_ = g; }
    void setB(float b) { b_ = b; }

    // Alpha has no accessor of its own; these exist for reporting only.
    float alpha() const { return a_; }

    friend bool operator==(const Colour&, const Colour&) = default;

  private:
    float r_ = 0.0f;
    float g_ = 0.0f;
    float b_ = 0.0f;
    float a_ = 255.0f;
};

}  // namespace veltro
