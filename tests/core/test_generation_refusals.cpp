#include "ButtonGenerator.h"
#include "GenerationError.h"
#include "SliderGenerator.h"
#include "UnitConversion.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

using namespace velmora;

struct RefusalCase {
    const char* label;
    PartKind kind;
    EntryTexts texts;
    const char* message;
};
inline void PrintTo(const RefusalCase& c, std::ostream* os) { *os << c.label; }

class GenerationRefusalTest : public testing::TestWithParam<RefusalCase> {};

TEST_P(GenerationRefusalTest, RefusesWithAClearReason)
{
    const RefusalCase& c = GetParam();
    try {
        if (c.kind == PartKind::Slider)
            SliderComponentText(readSliderParameters(c.texts, kInchesPerInch));
        else
            ButtonComponentText(readButtonParameters(c.texts, kInchesPerInch));
        FAIL() << "expected a refusal";
    } catch (const GenerationError& error) {
        EXPECT_NE(std::string(error.what()).find(c.message), std::string::npos) << error.what();
    }
}

constexpr PartKind slider = PartKind::Slider;
constexpr PartKind button = PartKind::Button;

INSTANTIATE_TEST_SUITE_P(Cases, GenerationRefusalTest,
    testing::Values(
        RefusalCase{"SliderAboveTheBound", slider, {"100001", "1", "0.02", "0.5", "S"}, "The number of cycles must be at most 100000."},
        RefusalCase{"SliderCountBeyond32Bits", slider, {"1e12", "1", "0.02", "0.5", "S"}, "at most 100000"},
        RefusalCase{"SliderPadWidthOverflows", slider, {"1", "1e306", "0", "0.5", "S"}, "the width of pad A is not a finite number"},
        RefusalCase{"SliderNameDataOverflows", slider, {"0", "1", "0.02", "1e306", "S"}, "the NameData value is not a finite number"},
        // A count that reads as 0 leaves the finger width infinite.
        RefusalCase{"ButtonCountReadsZero", button, {"0.5", "0.5", "0.02", "0.5", "B"}, "the width of pad A is not a finite number"},
        RefusalCase{"ButtonAboveTheBound", button, {"100001", "0.5", "0.02", "0.5", "B"}, "The number of fingers must be at most 100000."},
        RefusalCase{"ButtonBarWidthOverflows", button, {"1", "1e306", "0.02", "0.5", "B"}, "is not a finite number"}),
    [](const auto& info) { return std::string(info.param.label); });
