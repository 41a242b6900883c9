#pragma once

#include "DesignParameters.h"
#include "PartType.h"

namespace velmora::cli {

// One part type asked for on the command line: the five fields exactly as a
// user would type them into the window, and the unit they are in.
struct PartRequest {
    PartKind kind = PartKind::Slider;
    EntryTexts texts;
    bool millimetres = false;

    double unitConversion() const;
};

} // namespace velmora::cli
