#pragma once

#include "DesignParameters.h"

#include <string_view>

namespace velmora {

// What the live check of one side decides from its five entry texts.
struct CheckOutcome {
    bool outputsEnabled = false; // all four numbers non-zero and a name given
    bool narrowWarning = false;  // narrowest pad or finger below the gap
    bool badCharacter = false;   // name holds a space, comma, brace or apostrophe
    bool gapTooSmall = false;    // gap below one thousandth of an inch
    bool operator==(const CheckOutcome&) const = default;
};

CheckOutcome sliderCheck(const EntryTexts& texts, double unitConversion);
CheckOutcome buttonCheck(const EntryTexts& texts, double unitConversion);

// The characters that break a name in the component text.
bool hasBadNameCharacter(std::string_view name);

} // namespace velmora
