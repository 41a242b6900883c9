#pragma once

#include <cstdint>
#include <string>

namespace velmora {

// Appends a whole, finite value as plain decimal text: "-" for a negative
// value, then every digit of its magnitude ("0" for zero, also for -0).
// Large values are written digit for digit, never through an integer type.
void appendWholeNumber(std::string& out, double value);
void appendWholeNumber(std::string& out, std::int64_t value);

std::string wholeNumberText(double value);

} // namespace velmora
