#pragma once

#include "ButtonGenerator.h"
#include "SliderGenerator.h"
#include "UnitConversion.h"

#include <ostream>

// A part type given as the window's entry texts, for tables of writer cases.
namespace velmora::test {

struct SamplePart {
    const char* label;
    PartKind kind;
    EntryTexts texts;
    bool millimetres;
};

inline void PrintTo(const SamplePart& c, std::ostream* os) { *os << c.label; }

inline PartType generatePart(PartKind kind, const EntryTexts& texts, bool millimetres)
{
    const double unit = millimetres ? kInchesPerMillimetre : kInchesPerInch;
    return kind == PartKind::Slider ? sliderPartType(readSliderParameters(texts, unit))
                                    : buttonPartType(readButtonParameters(texts, unit));
}

inline PartType generate(const SamplePart& c)
{
    return generatePart(c.kind, c.texts, c.millimetres);
}

} // namespace velmora::test
