#include "EnteredDesign.h"

#include "NumberReading.h"
#include "UnitConversion.h"

#include <charconv>

namespace velmora {

double EnteredDesign::unitConversion() const
{
    return millimetres ? kInchesPerMillimetre : kInchesPerInch;
}

std::string enteredNumberText(const std::string& text)
{
    char buffer[40];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, readNumber(text));
    return std::string(buffer, result.ptr);
}

} // namespace velmora
