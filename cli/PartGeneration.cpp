#include "PartGeneration.h"

#include "ButtonGenerator.h"
#include "InputChecks.h"
#include "NumberReading.h"
#include "SliderGenerator.h"
#include "UnitConversion.h"

namespace velmora::cli {

double PartRequest::unitConversion() const
{
    return millimetres ? kInchesPerMillimetre : kInchesPerInch;
}

std::vector<std::string> entryWarnings(const PartRequest& request)
{
    const bool slider = request.kind == PartKind::Slider;
    const CheckOutcome outcome = slider ? sliderCheck(request.texts, request.unitConversion())
                                        : buttonCheck(request.texts, request.unitConversion());
    std::vector<std::string> warnings;
    if (outcome.narrowWarning)
        warnings.push_back(slider ? "the narrowest pad is narrower than the gap: length too short, too many cycles or gap too big"
                                  : "the fingers are narrower than the gap: too many fingers, length too short or gap too big");
    if (outcome.badCharacter)
        warnings.push_back("bad character in name: a space, comma, brace or apostrophe breaks the component text");
    if (outcome.gapTooSmall)
        warnings.push_back("the gap is too small: below one thousandth of an inch");
    return warnings;
}

std::string refusalReason(const PartRequest& request)
{
    const EntryTexts& t = request.texts;
    const char* count = request.kind == PartKind::Slider ? "--count (number of cycles)" : "--count (number of fingers)";
    const char* length = request.kind == PartKind::Slider ? "--length (overall length)" : "--length (width of the button)";
    const char* width = request.kind == PartKind::Slider ? "--width (width of the slider)" : "--width (height of the button)";
    const std::pair<const std::string*, const char*> numbers[] = {
        {&t.count, count}, {&t.length, length}, {&t.gap, "--gap"}, {&t.width, width}};
    for (const auto& [text, option] : numbers) {
        if (readNumber(*text) == 0.0)
            return std::string(option) + " must be a number other than 0, not \"" + *text + "\"";
    }
    if (t.name.empty())
        return "--name must not be empty";
    return {};
}

PartType generatePart(const PartRequest& request)
{
    if (request.kind == PartKind::Slider)
        return sliderPartType(readSliderParameters(request.texts, request.unitConversion()));
    return buttonPartType(readButtonParameters(request.texts, request.unitConversion()));
}

} // namespace velmora::cli
