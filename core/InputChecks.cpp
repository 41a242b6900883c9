#include "InputChecks.h"

#include "NumberReading.h"
#include "PatternGeometry.h"
#include "Rounding.h"

namespace velmora {

bool hasBadNameCharacter(std::string_view name)
{
    return name.find_first_of(" ,{}'") != std::string_view::npos;
}

namespace {

bool outputsEnabled(const EntryTexts& texts)
{
    return readNumber(texts.count) != 0.0 && readNumber(texts.length) != 0.0 && readNumber(texts.gap) != 0.0 &&
           readNumber(texts.width) != 0.0 && !texts.name.empty();
}

// Shared by both sides; only the narrowest width differs.
template <typename NarrowestWidth>
CheckOutcome check(const EntryTexts& texts, double unitConversion, NarrowestWidth narrowestWidth)
{
    CheckOutcome outcome;
    outcome.outputsEnabled = outputsEnabled(texts);

    const std::int32_t N = readCount(texts.count);
    const double L = readLength(texts.length, unitConversion);
    const double g = readLength(texts.gap, unitConversion);
    // NaN never warns, -infinity always does: plain IEEE comparison.
    outcome.narrowWarning = nearest(narrowestWidth(L, g, N)) < nearest(g);

    outcome.badCharacter = hasBadNameCharacter(texts.name);
    outcome.gapTooSmall = down(g) < 1.0 && !texts.gap.empty();
    return outcome;
}

} // namespace

CheckOutcome sliderCheck(const EntryTexts& texts, double unitConversion)
{
    return check(texts, unitConversion, [](double L, double g, std::int32_t N) {
        const double step = sliderStep(sliderPitch(L, g, N), N);
        return step - g;
    });
}

CheckOutcome buttonCheck(const EntryTexts& texts, double unitConversion)
{
    return check(texts, unitConversion, fingerWidth);
}

} // namespace velmora
