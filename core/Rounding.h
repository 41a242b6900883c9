#pragma once

#include <cmath>

namespace velmora {

// The two ways a length in inches becomes whole thousandths of an inch.
// Each is written as separate double operations on purpose: the results
// change at exact halves, so the order of rounding steps matters.

// floor(1000 * x)
inline double down(double inches)
{
    const double thousandths = 1000.0 * inches;
    return std::floor(thousandths);
}

// floor(1000 * x + 0.5): halves go up, towards positive (-227.5 gives -227).
inline double nearest(double inches)
{
    double thousandths = 1000.0 * inches;
    thousandths = thousandths + 0.5;
    return std::floor(thousandths);
}

} // namespace velmora
