#include "ExpectedText.h"
#include "SliderGenerator.h"
#include "UnitConversion.h"
#include "WorkedExamples.h"

#include <gtest/gtest.h>

#include <ostream>

#include <set>
#include <string>
#include <vector>

using namespace velmora;
using namespace velmora::test;

namespace {

std::string slider(const EntryTexts& texts, double unit = kInchesPerInch)
{
    return SliderComponentText(readSliderParameters(texts, unit));
}

} // namespace

TEST(SliderGeneratorTest, FourCycleExampleIsExact)
{
    EXPECT_EQ(slider({"4", "1", "0.02", "0.5", "SL1"}), kSliderSL1);
}

struct SliderCase {
    const char* label;
    EntryTexts texts;
    double unit;
    long nameData;
    std::vector<long> padWidths;
    long padHeight;
    std::vector<std::string> pinPads;
    std::vector<long> pinX;
};
inline void PrintTo(const SliderCase& c, std::ostream* os) { *os << c.label; }


class SliderCaseTest : public testing::TestWithParam<SliderCase> {};

TEST_P(SliderCaseTest, WritesThePadsAndPinsOfTheCase)
{
    const SliderCase& c = GetParam();
    std::string expected = typeLines(c.texts.name, c.nameData);
    const std::string letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    for (std::size_t k = 0; k < c.padWidths.size(); ++k)
        expected += padLine(letters.substr(k, 1), c.padWidths[k], c.padHeight);
    for (std::size_t i = 0; i < c.pinX.size(); ++i)
        expected += pinLine(static_cast<int>(i + 1), c.pinPads[i], c.pinX[i], 0);
    expected += "}\n";
    EXPECT_EQ(slider(c.texts, c.unit), expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, SliderCaseTest,
    testing::Values(
        SliderCase{"OneCycle", {"1", "1", "0.02", "0.5", "S1"}, 1.0, 280, {489}, 500, {"A", "A"}, {-255, 255}},
        SliderCase{"OddCyclesPlaceTheMiddlePadTwice", {"3", "1", "0.02", "0.5", "S3"}, 1.0, 280, {64, 149, 234}, 500,
                   {"A", "C", "B", "B", "C", "A"}, {-467, -297, -85, 85, 298, 468}},
        SliderCase{"Millimetres", {"5", "50", "0.5", "10", "SM"}, kInchesPerMillimetre, 226, {45, 111, 178, 244, 310},
                   394, {"A", "E", "B", "D", "C", "C", "D", "B", "E", "A"},
                   {-961, -762, -530, -331, -99, 99, 331, 530, 762, 961}},
        // The width of pad B comes out a hair under 2 thousandths: down gives 1, minus 1 is 0.
        SliderCase{"GapTooLargeForThePitch", {"4", "0.2", "0.02", "0.5", "SG"}, 1.0, 280, {-11, 0, 12, 22}, 500,
                   {"A", "D", "B", "C", "C", "B", "D", "A"}, {-105, -77, -44, -17, 16, 44, 77, 105}},
        SliderCase{"NoCycles", {"0", "1", "0.02", "0.5", "S0"}, 1.0, 280, {}, 500, {}, {}},
        SliderCase{"NegativeCycles", {"-2", "1", "0.02", "0.5", "SN"}, 1.0, 280, {}, 500, {}, {}},
        SliderCase{"NameWrittenVerbatim", {"1", "1", "0.02", "0.5", "a b,{c}'d"}, 1.0, 280, {489}, 500, {"A", "A"},
                   {-255, 255}},
        SliderCase{"EmptyName", {"1", "1", "0.02", "0.5", ""}, 1.0, 280, {489}, 500, {"A", "A"}, {-255, 255}}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(SliderGeneratorTest, PadsPastZGetNamesOfTheirOwn)
{
    const PartType part = sliderPartType(readSliderParameters({"30", "10", "0.01", "0.5", "S30"}, 1.0));
    ASSERT_EQ(part.pads.size(), 30u);
    const std::string text = quarlinText(part);
    EXPECT_NE(text.find("\nPad Z { Rectangle "), std::string::npos);
    EXPECT_NE(text.find("\nPad AA { Rectangle "), std::string::npos);
    EXPECT_NE(text.find("\nPad AD { Rectangle "), std::string::npos);
    EXPECT_NE(text.find("\nPin 1 { A 0 0 "), std::string::npos);
    EXPECT_NE(text.find("\nPin 2 { AD 0 0 "), std::string::npos);
    EXPECT_NE(text.find("\nPin 60 { A 0 0 "), std::string::npos);
}

TEST(SliderGeneratorTest, LargestCountIsWrittenAndEveryPadUsedTwice)
{
    const PartType part = sliderPartType(readSliderParameters({"100000", "1000", "0.001", "0.5", "BIG"}, 1.0));
    ASSERT_EQ(part.pads.size(), 100000u);
    ASSERT_EQ(part.pins.size(), 200000u);
    std::vector<int> uses(part.pads.size() + 1, 0);
    for (std::size_t i = 0; i < part.pins.size(); ++i) {
        EXPECT_EQ(part.pins[i].number, static_cast<int>(i + 1));
        ++uses.at(static_cast<std::size_t>(part.pins[i].pad));
    }
    EXPECT_EQ(std::count(uses.begin() + 1, uses.end(), 2), 100000);
}


TEST(SliderGeneratorTest, LowestCountWritesNoPadsAndNoOverflow)
{
    EXPECT_EQ(slider({"-1e12", "1", "0.02", "0.5", "S"}), "Type S {\nNameData { 50 0 280 0 Center }\n}\n");
}

TEST(SliderGeneratorTest, HugeWholeValuesAreWrittenDigitForDigit)
{
    const std::string text = slider({"1", "1e200", "0", "0.5", "S"});
    const auto start = text.find("Pad A { Rectangle ") + 18;
    const std::string width = text.substr(start, text.find(' ', start) - start);
    EXPECT_EQ(width.size(), 203u);
    EXPECT_EQ(width.find_first_not_of("0123456789"), std::string::npos);
}
