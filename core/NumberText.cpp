#include "NumberText.h"

#include <charconv>

namespace velmora {

void appendWholeNumber(std::string& out, double value)
{
    if (value == 0.0) {
        out.push_back('0');
        return;
    }
    // Whole values below 2^53 fit an int64 exactly, and integer text is much
    // faster than the exact decimal expansion of a double.
    constexpr double kExactIntegers = 9007199254740992.0;
    if (value > -kExactIntegers && value < kExactIntegers) {
        appendWholeNumber(out, static_cast<std::int64_t>(value));
        return;
    }
    // A double's integer part has at most 309 digits.
    char buffer[330];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 0);
    out.append(buffer, result.ptr);
}

void appendWholeNumber(std::string& out, std::int64_t value)
{
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, result.ptr);
}

std::string wholeNumberText(double value)
{
    std::string text;
    appendWholeNumber(text, value);
    return text;
}

} // namespace velmora
