#pragma once

#include <cmath>
#include <cstdint>

namespace velmora {

// The derived lengths that the generators and the input checks share, each
// computed in the one operation order that the written numbers depend on.
// Counts are widened to 64 bits first, so no count overflows.

// Slider pitch: (L + g) / N, the length of one cycle with its trailing gap.
inline double sliderPitch(double L, double g, std::int32_t N)
{
    const double t = L + g;
    return t / static_cast<double>(N);
}

// Slider step: one (N + 1)-th of the pitch.
inline double sliderStep(double pitch, std::int32_t N)
{
    return pitch / static_cast<double>(std::int64_t{N} + 1);
}

// Button finger width: (L - (2N - 1) g) / 2N.
inline double fingerWidth(double L, double g, std::int32_t N)
{
    const std::int64_t n = 2 * std::int64_t{N};
    const std::int64_t m = n - 1;
    double t = static_cast<double>(m) * g;
    t = L - t;
    return t / static_cast<double>(n);
}

// NameData value: half the extent across plus 0.03 inch, rounded down.
inline double nameDataValue(double W)
{
    double t = W / 2.0;
    t = t + 0.03;
    t = t * 1000.0;
    return std::floor(t);
}

} // namespace velmora
