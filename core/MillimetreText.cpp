#include "MillimetreText.h"

#include "NumberText.h"

#include <cmath>
#include <cstdlib>

namespace velmora {

namespace {

// value * multiplier / 10^scale as exact decimal text, where value is whole.
// Works on the decimal digits of the value, so it is exact for any whole
// double however large.
std::string scaledDecimal(double wholeValue, std::uint32_t multiplier, int scale)
{
    std::string digits = wholeNumberText(std::fabs(wholeValue));
    const bool negative = wholeValue < 0.0;

    // digits *= multiplier, schoolbook, least significant digit first.
    std::string product;
    std::uint64_t carry = 0;
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        const std::uint64_t d = static_cast<std::uint64_t>(*it - '0') * multiplier + carry;
        product.push_back(static_cast<char>('0' + d % 10));
        carry = d / 10;
    }
    while (carry > 0) {
        product.push_back(static_cast<char>('0' + carry % 10));
        carry /= 10;
    }
    while (product.size() <= static_cast<std::size_t>(scale))
        product.push_back('0');

    // product holds the least significant digit first.
    std::string integer(product.rbegin(), product.rend() - scale);
    std::string fraction(product.rend() - scale, product.rend());
    while (!fraction.empty() && fraction.back() == '0')
        fraction.pop_back();
    const std::size_t firstNonZero = integer.find_first_not_of('0');
    integer = firstNonZero == std::string::npos ? "0" : integer.substr(firstNonZero);

    if (integer == "0" && fraction.empty())
        return "0";
    std::string text = negative ? "-" : "";
    text += integer;
    if (!fraction.empty())
        text.append(".").append(fraction);
    return text;
}

// Splits a multiple of 1/denominator into a whole count of those parts. A
// whole value is kept as it is, so even the largest doubles never overflow.
double wholeParts(double value, int denominator, int& partsPerUnit)
{
    if (std::floor(value) == value) {
        partsPerUnit = 1;
        return value;
    }
    partsPerUnit = denominator;
    return value * denominator;
}

} // namespace

std::string millimetreText(double thousandths)
{
    int parts = 1;
    const double whole = wholeParts(thousandths, 2, parts);
    // 1 thou = 254 / 10^4 mm; half a thou = 127 / 10^4 mm.
    return scaledDecimal(whole, parts == 1 ? 254 : 127, 4);
}

std::string inchText(double thousandths)
{
    int parts = 1;
    const double whole = wholeParts(thousandths, 2, parts);
    // 1 thou = 1 / 10^3 in; half a thou = 5 / 10^4 in.
    return parts == 1 ? scaledDecimal(whole, 1, 3) : scaledDecimal(whole, 5, 4);
}

std::string squareMillimetreText(double squareThousandths)
{
    int parts = 1;
    const double whole = wholeParts(squareThousandths, 4, parts);
    // 1 thou2 = 64516 / 10^8 mm2; a quarter of it = 16129 / 10^8 mm2.
    return scaledDecimal(whole, parts == 1 ? 64516 : 16129, 8);
}

std::string thousandthText(double thousandths)
{
    int parts = 1;
    const double whole = wholeParts(thousandths, 4, parts);
    // A quarter is 25 / 10^2.
    return parts == 1 ? scaledDecimal(whole, 1, 0) : scaledDecimal(whole, 25, 2);
}

} // namespace velmora
