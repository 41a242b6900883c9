#pragma once

#include <cstdint>
#include <string_view>

namespace velmora {

// Reads the number at the start of an entry text, the way a user expects a
// lenient field to behave, and independently of the process locale.
// Leading spaces and tabs are skipped; then an optional sign, digits with an
// optional point and fraction, and an optional exponent. Reading stops at
// the first character that cannot continue the number. Text without a
// number at its start, and a number beyond the double range, read as 0, so
// the result is always finite.
double readNumber(std::string_view text);

// The whole-number reading of a count: the real number truncated toward zero
// and clamped to the signed 32-bit range.
std::int32_t readCount(std::string_view text);

} // namespace velmora
