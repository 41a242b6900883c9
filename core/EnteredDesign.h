#pragma once

#include "DesignParameters.h"
#include "PartType.h"

#include <string>

namespace velmora {

// What the user entered for one part type, next to the part the generator
// wrote from it: the preview title and the report quote the entries, while
// every drawn or checked length comes from the written part.
struct EnteredDesign {
    PartKind kind = PartKind::Slider;
    EntryTexts texts;
    bool millimetres = false;

    double unitConversion() const;
    const char* unitSymbol() const { return millimetres ? "mm" : "in"; }
};

// An entered number as it was read, in its shortest exact text ("0.02").
std::string enteredNumberText(const std::string& text);

} // namespace velmora
