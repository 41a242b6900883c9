#include "DesignParameters.h"

#include "NumberReading.h"

namespace velmora {

double readLength(std::string_view text, double unitConversion)
{
    const double entered = readNumber(text);
    return entered * unitConversion;
}

namespace {

// Both records are read alike, in the order N, L, g, W, name.
template <typename Parameters>
Parameters readParameters(const EntryTexts& texts, double unitConversion)
{
    Parameters parameters;
    parameters.N = readCount(texts.count);
    parameters.L = readLength(texts.length, unitConversion);
    parameters.g = readLength(texts.gap, unitConversion);
    parameters.W = readLength(texts.width, unitConversion);
    parameters.name = texts.name;
    return parameters;
}

} // namespace

SliderParameters readSliderParameters(const EntryTexts& texts, double unitConversion)
{
    return readParameters<SliderParameters>(texts, unitConversion);
}

ButtonParameters readButtonParameters(const EntryTexts& texts, double unitConversion)
{
    return readParameters<ButtonParameters>(texts, unitConversion);
}

} // namespace velmora
