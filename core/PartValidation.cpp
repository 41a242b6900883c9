#include "PartValidation.h"

#include "GenerationError.h"
#include "PadNames.h"

#include <cmath>
#include <string>

namespace velmora {

void requireCountWithinBound(std::int32_t count, std::string_view what)
{
    if (count > kMaxCount)
        throw GenerationError("The number of " + std::string(what) + " must be at most " + std::to_string(kMaxCount) + ".");
}

namespace {

[[noreturn]] void refuse(const PartType& part, const std::string& number)
{
    const char* hint = part.kind == PartKind::Slider ? "the number of cycles" : "the number of fingers";
    throw GenerationError("The part type cannot be written: " + number +
                          " is not a finite number. Check " + hint + " and the lengths.");
}

} // namespace

void requireFiniteNumbers(const PartType& part)
{
    if (!std::isfinite(part.nameData))
        refuse(part, "the NameData value");
    for (std::size_t i = 0; i < part.pads.size(); ++i) {
        const PadShape& pad = part.pads[i];
        if (!std::isfinite(pad.width))
            refuse(part, "the width of pad " + padName(static_cast<std::int64_t>(i) + 1));
        if (!std::isfinite(pad.height))
            refuse(part, "the height of pad " + padName(static_cast<std::int64_t>(i) + 1));
    }
    for (const PlacedPin& pin : part.pins) {
        if (!std::isfinite(pin.x) || !std::isfinite(pin.y))
            refuse(part, "the position of pin " + std::to_string(pin.number));
    }
}

} // namespace velmora
