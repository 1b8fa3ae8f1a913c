#pragma once

namespace veltro {

// The exact straight line through two float points, read as the minor
// coordinate for a given major coordinate. Used to draw the visible part of
// segments too long to be walked step by step. Exact to a tiny fraction of a
// pixel near the buffer even when the endpoints lie at 1e30: the cross term
// is kept as an unrounded pair of doubles, so nothing cancels away.
class IdealLine {
  public:
    // (u0, v0) and (u1, v1) as (major, minor); u0 != u1.
    IdealLine(float u0, float v0, float u1, float v1);

    double minorAt(double u) const {
        double v = 0.0;
        minorAt(u, v);
        return v;
    }

    // The same for a double or for four in DoubleLanes, each lane through
    // the operations of one double alone. Out through a reference, so that no
    // vector crosses a call boundary whose convention depends on AVX.
    template <class Value>
    void minorAt(const Value& u, Value& v) const {
        const Value product = u * dv_;
        Value sum;
        Value error;
        twoSum(product, crossHigh_, sum, error);
        v = (sum + (error + crossLow_)) / du_;
    }

  private:
    // a + b = sum + error exactly (Knuth's two-sum).
    template <class A, class B, class Value>
    static void twoSum(const A& a, const B& b, Value& sum, Value& error) {
        sum = a + b;
        const Value bVirtual = sum - a;
        const Value aVirtual = sum - bVirtual;
        error = (a - aVirtual) + (b - bVirtual);
    }

    double du_;
    double dv_;
    double crossHigh_;
    double crossLow_;
};

}  // namespace veltro
