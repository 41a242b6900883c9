#include "ComponentText.h"

#include "NumberText.h"
#include "PadNames.h"

namespace velmora {

ComponentText quarlinText(const PartType& part)
{
    // Typical lines are 25 to 35 bytes; longer numbers only make it grow.
    constexpr std::size_t kLineEstimate = 40;
    ComponentText text;
    text.reserve(part.name.size() + 2 * kLineEstimate + (part.pads.size() + part.pins.size()) * kLineEstimate);

    text.append("Type ").append(part.name).append(" {\n");

    text.append("NameData { 50 0 ");
    appendWholeNumber(text, part.nameData);
    text.append(" 0 Center }\n");

    std::int64_t position = 0;
    for (const PadShape& pad : part.pads) {
        text.append("Pad ");
        appendPadName(text, ++position);
        text.append(" { Rectangle ");
        appendWholeNumber(text, pad.width);
        text.push_back(' ');
        appendWholeNumber(text, pad.height);
        text.append(" }\n");
    }

    for (const PlacedPin& pin : part.pins) {
        text.append("Pin ");
        appendWholeNumber(text, std::int64_t{pin.number});
        text.append(" { ");
        appendPadName(text, pin.pad);
        text.append(" 0 0 ");
        appendWholeNumber(text, pin.x);
        text.push_back(' ');
        appendWholeNumber(text, pin.y);
        text.append(" 0 }\n");
    }

    text.append("}\n");
    return text;
}

} // namespace velmora
