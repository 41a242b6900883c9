#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace velmora {

// The five entry texts of one side of the window, as typed.
struct EntryTexts {
    std::string count;
    std::string length;
    std::string gap;
    std::string width;
    std::string name;
};

// A slider's entries after conversion: lengths in inches.
struct SliderParameters {
    std::int32_t N = 0; // cycles
    double L = 0.0;     // overall length
    double g = 0.0;     // gap between pads
    double W = 0.0;     // width
    std::string name;
};

// A button's entries after conversion: lengths in inches.
struct ButtonParameters {
    std::int32_t N = 0; // fingers of each contact
    double L = 0.0;     // width of the button
    double g = 0.0;     // gap between fingers
    double W = 0.0;     // height of the button
    std::string name;
};

// A typed length in inches: the entered number times the unit factor.
double readLength(std::string_view text, double unitConversion);

SliderParameters readSliderParameters(const EntryTexts& texts, double unitConversion);
ButtonParameters readButtonParameters(const EntryTexts& texts, double unitConversion);

} // namespace velmora
