#include "InputChecks.h"
#include "UnitConversion.h"

#include <gtest/gtest.h>

#include <ostream>

#include <string>

using namespace velmora;

struct CheckCase {
    const char* label;
    bool slider;
    EntryTexts texts; // count, length, gap, width, name
    double unit;
    CheckOutcome expected; // enabled, narrow, bad character, gap too small
};
inline void PrintTo(const CheckCase& c, std::ostream* os) { *os << c.label; }


class InputCheckTest : public testing::TestWithParam<CheckCase> {};

TEST_P(InputCheckTest, DecidesButtonsAndWarnings)
{
    const CheckCase& c = GetParam();
    const CheckOutcome outcome = c.slider ? sliderCheck(c.texts, c.unit) : buttonCheck(c.texts, c.unit);
    EXPECT_EQ(outcome.outputsEnabled, c.expected.outputsEnabled);
    EXPECT_EQ(outcome.narrowWarning, c.expected.narrowWarning);
    EXPECT_EQ(outcome.badCharacter, c.expected.badCharacter);
    EXPECT_EQ(outcome.gapTooSmall, c.expected.gapTooSmall);
}

constexpr double in = kInchesPerInch;
constexpr double mm = kInchesPerMillimetre;

INSTANTIATE_TEST_SUITE_P(Slider, InputCheckTest,
    testing::Values(
        CheckCase{"AllGood", true, {"4", "1", "0.02", "0.2", "SL1"}, in, {true, false, false, false}},
        CheckCase{"NegativePadWidth", true, {"4", "1", "0.06", "0.2", "SL1"}, in, {true, true, false, false}},
        CheckCase{"PadEqualsGap", true, {"4", "0.78", "0.02", "0.2", "SL1"}, in, {true, false, false, false}},
        CheckCase{"PadHalfAThousandthUnderGap", true, {"4", "0.77", "0.02", "0.2", "SL1"}, in, {true, false, false, false}},
        CheckCase{"PadUnderGap", true, {"4", "0.76", "0.02", "0.2", "SL1"}, in, {true, true, false, false}},
        CheckCase{"FiveCycles", true, {"5", "1", "0.02", "0.2", "SL1"}, in, {true, true, false, false}},
        CheckCase{"TenCycles", true, {"10", "1", "0.02", "0.2", "SL1"}, in, {true, true, false, false}},
        CheckCase{"CountEmpty", true, {"", "1", "0.02", "0.2", "SL1"}, in, {false, false, false, false}},
        CheckCase{"CountMinusOne", true, {"-1", "1", "0.02", "0.2", "SL1"}, in, {true, true, false, false}},
        CheckCase{"CountAHalf", true, {"0.5", "1", "0.02", "0.2", "SL1"}, in, {true, false, false, false}},
        CheckCase{"NegativeLengthZeroGap", true, {"1", "-1", "0", "0.2", "SL1"}, in, {false, true, false, true}},
        CheckCase{"CountAtTheTopOf32Bits", true, {"3e9", "1", "0.02", "0.2", "SL1"}, in, {true, true, false, false}},
        CheckCase{"CountAtTheBottomOf32Bits", true, {"-3e9", "1", "0.02", "0.2", "SL1"}, in, {true, true, false, false}},
        CheckCase{"WidthZero", true, {"4", "1", "0.02", "0", "SL1"}, in, {false, false, false, false}},
        CheckCase{"NameEmpty", true, {"4", "1", "0.02", "0.2", ""}, in, {false, false, false, false}},
        CheckCase{"NameWithSpace", true, {"4", "1", "0.02", "0.2", "SL 1"}, in, {true, false, true, false}},
        CheckCase{"NameWithComma", true, {"4", "1", "0.02", "0.2", "A,B"}, in, {true, false, true, false}},
        CheckCase{"NameWithBrace", true, {"4", "1", "0.02", "0.2", "X{"}, in, {true, false, true, false}},
        CheckCase{"NameLoneBrace", true, {"4", "1", "0.02", "0.2", "}"}, in, {true, false, true, false}},
        CheckCase{"NameWithApostrophe", true, {"4", "1", "0.02", "0.2", "it's"}, in, {true, false, true, false}},
        CheckCase{"NameWithTabOrQuote", true, {"4", "1", "0.02", "0.2", "a\tb\"c"}, in, {true, false, false, false}},
        CheckCase{"NameOfSpaces", true, {"4", "1", "0.02", "0.2", "   "}, in, {true, false, true, false}},
        CheckCase{"NameSaved", true, {"4", "1", "0.02", "0.2", "SL1_Saved"}, in, {true, false, false, false}},
        CheckCase{"GapOneThousandth", true, {"4", "1", "0.001", "0.2", "SL1"}, in, {true, false, false, false}},
        CheckCase{"GapUnderOneThousandth", true, {"4", "1", "0.0009", "0.2", "SL1"}, in, {true, false, false, true}},
        CheckCase{"GapNegative", true, {"4", "1", "-0.01", "0.2", "SL1"}, in, {true, false, false, true}},
        CheckCase{"GapWord", true, {"4", "1", "abc", "0.2", "SL1"}, in, {false, false, false, true}},
        CheckCase{"GapEmpty", true, {"4", "1", "", "0.2", "SL1"}, in, {false, false, false, false}},
        CheckCase{"GapJustUnderInMillimetres", true, {"4", "25", "0.0254", "5", "SL1"}, mm, {true, false, false, true}},
        CheckCase{"GapJustOverInMillimetres", true, {"4", "25", "0.0255", "5", "SL1"}, mm, {true, false, false, false}}),
    [](const auto& info) { return std::string(info.param.label); });

INSTANTIATE_TEST_SUITE_P(Button, InputCheckTest,
    testing::Values(
        CheckCase{"FourFingers", false, {"4", "0.5", "0.02", "0.2", "BT1"}, in, {true, false, false, false}},
        CheckCase{"SixFingers", false, {"6", "0.5", "0.02", "0.2", "BT1"}, in, {true, false, false, false}},
        CheckCase{"SevenFingers", false, {"7", "0.5", "0.02", "0.2", "BT1"}, in, {true, true, false, false}},
        CheckCase{"EightFingersHalfGoesUp", false, {"8", "0.5", "0.02", "0.2", "BT1"}, in, {true, true, false, false}},
        CheckCase{"NoFingers", false, {"0", "0.5", "0.02", "0.2", "BT1"}, in, {false, false, false, false}},
        CheckCase{"MinusOneFinger", false, {"-1", "0.5", "0.02", "0.2", "BT1"}, in, {true, true, false, false}},
        CheckCase{"CountAtTheTopOf32Bits", false, {"3e9", "0.5", "0.02", "0.2", "BT1"}, in, {true, true, false, false}},
        CheckCase{"NameWithSpace", false, {"4", "0.5", "0.02", "0.2", "B 1"}, in, {true, false, true, false}},
        CheckCase{"GapZero", false, {"4", "0.5", "0", "0.2", "BT1"}, in, {false, false, false, true}}),
    [](const auto& info) { return std::string(info.param.label); });
