#include "NumberText.h"

#include <charconv>

namespace velmora {

void appendWholeNumber(std::string& out, double value)
{
    if (value == 0.0) {
        out.push_back('0');
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
