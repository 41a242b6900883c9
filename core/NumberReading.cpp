#include "NumberReading.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <system_error>

namespace velmora {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t skipDigits(std::string_view text, std::size_t pos)
{
    while (pos < text.size() && isDigit(text[pos]))
        ++pos;
    return pos;
}

} // namespace

double readNumber(std::string_view text)
{
    std::size_t pos = 0;
    while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t'))
        ++pos;

    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }

    // Find the longest prefix that is a plain decimal number, so that
    // from_chars never sees what it would read differently ("inf", "0x10").
    const std::size_t start = pos;
    std::size_t end = skipDigits(text, pos);
    bool haveDigits = end > start;
    if (end < text.size() && text[end] == '.') {
        const std::size_t fractionEnd = skipDigits(text, end + 1);
        haveDigits = haveDigits || fractionEnd > end + 1;
        end = fractionEnd;
    }
    if (!haveDigits)
        return 0.0;
    if (end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
        std::size_t exponent = end + 1;
        if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-'))
            ++exponent;
        const std::size_t exponentEnd = skipDigits(text, exponent);
        if (exponentEnd > exponent)
            end = exponentEnd;
    }

    double value = 0.0;
    const char* first = text.data() + start;
    const char* last = text.data() + end;
    const auto [ptr, ec] = std::from_chars(first, last, value, std::chars_format::general);
    if (ec != std::errc() || ptr != last || !std::isfinite(value))
        return 0.0;
    return negative ? -value : value;
}

std::int32_t readCount(std::string_view text)
{
    const double value = std::trunc(readNumber(text));
    constexpr double lowest = std::numeric_limits<std::int32_t>::min();
    constexpr double highest = std::numeric_limits<std::int32_t>::max();
    if (value <= lowest)
        return std::numeric_limits<std::int32_t>::min();
    if (value >= highest)
        return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(value);
}

} // namespace velmora
