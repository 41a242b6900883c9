#pragma once

namespace velmora {

// The number of inches in one entered length unit. The millimetre factor is
// the decimal 0.03937 itself, not 1/25.4: existing libraries were made with
// it, so 25.4 mm reads as 0.999998 inch.
inline constexpr double kInchesPerInch = 1.0;
inline constexpr double kInchesPerMillimetre = 0.03937;

} // namespace velmora
