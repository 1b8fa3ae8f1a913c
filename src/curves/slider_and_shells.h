#pragma once

namespace veltro {

// The options a construction with a slider marker and shells reads: the
// marker sits at sliderT while the slider is on; the shells, when on, are
// drawn there too, or with the slider off where the construction says.
struct SliderAndShells {
    bool sliderOn = false;
    float sliderT = 0.5f;
    bool shellsOn = false;
};

}  // namespace veltro
