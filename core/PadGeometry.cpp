#include "PadGeometry.h"

#include "GenerationError.h"
#include "NumberText.h"
#include "PadNames.h"

#include <algorithm>
#include <cmath>

namespace velmora {

PadRect padRect(const PartType& part, const PlacedPin& pin)
{
    const PadShape& shape = part.pads.at(static_cast<std::size_t>(pin.pad) - 1);
    const double halfWidth = shape.width / 2.0;
    const double halfHeight = shape.height / 2.0;
    return {pin.x - halfWidth, pin.x + halfWidth, pin.y - halfHeight, pin.y + halfHeight};
}

PadRect copperBounds(const PartType& part)
{
    if (part.pins.empty())
        return {};
    PadRect bounds = padRect(part, part.pins.front());
    for (const PlacedPin& pin : part.pins) {
        const PadRect r = padRect(part, pin);
        bounds.left = std::min(bounds.left, r.left);
        bounds.right = std::max(bounds.right, r.right);
        bounds.bottom = std::min(bounds.bottom, r.bottom);
        bounds.top = std::max(bounds.top, r.top);
    }
    return bounds;
}

int electrodeOf(const PartType& part, const PlacedPin& pin)
{
    if (part.kind == PartKind::Slider)
        return pin.number % 2 == 1 ? 0 : 1;
    return pin.number == 1 ? 0 : 1;
}

void requireDrawablePattern(const PartType& part)
{
    if (part.pins.empty())
        throw GenerationError("The part type has no pads to draw: the count must be at least 1.");
    for (std::size_t i = 0; i < part.pads.size(); ++i) {
        const PadShape& shape = part.pads[i];
        if (!(shape.width > 0.0) || !(shape.height > 0.0))
            throw GenerationError("Pad " + padName(static_cast<std::int64_t>(i) + 1) + " would be " +
                                  wholeNumberText(shape.width) + " by " + wholeNumberText(shape.height) +
                                  " thousandths of an inch; a drawn pad needs a positive size. "
                                  "Run with --report for the cause and a fix.");
    }
    // Double sums cannot wrap: a huge edge is just a huge (or infinite) value.
    for (const PlacedPin& pin : part.pins) {
        const PadRect r = padRect(part, pin);
        if (std::max({-r.left, r.right, -r.bottom, r.top}) > kMaxDrawingExtent)
            throw GenerationError("The pattern is too large to draw: pin " + std::to_string(pin.number) +
                                  " reaches more than 1 m from the centre.");
    }
}

} // namespace velmora
