#include "ButtonGenerator.h"
#include "ExpectedText.h"
#include "UnitConversion.h"
#include "WorkedExamples.h"

#include <gtest/gtest.h>

#include <ostream>

#include <string>
#include <vector>

using namespace velmora;
using namespace velmora::test;

namespace {

std::string button(const EntryTexts& texts, double unit = kInchesPerInch)
{
    return ButtonComponentText(readButtonParameters(texts, unit));
}

} // namespace

TEST(ButtonGeneratorTest, FourFingerExampleIsExact)
{
    EXPECT_EQ(button({"4", "0.5", "0.02", "0.5", "BT1"}), kButtonBT1);
}

struct ButtonCase {
    const char* label;
    EntryTexts texts;
    double unit;
    long nameData;
    long fingerWidth, fingerHeight, barWidth, barHeight;
    std::vector<long> pin1X, pin2X;
    long fingerY1, fingerY2, barY1, barY2;
};
inline void PrintTo(const ButtonCase& c, std::ostream* os) { *os << c.label; }


class ButtonCaseTest : public testing::TestWithParam<ButtonCase> {};

TEST_P(ButtonCaseTest, WritesTheFingersAndBarsOfTheCase)
{
    const ButtonCase& c = GetParam();
    std::string expected = typeLines(c.texts.name, c.nameData) + padLine("A", c.fingerWidth, c.fingerHeight) +
                           padLine("B", c.barWidth, c.barHeight);
    for (std::size_t i = 0; i < c.pin1X.size(); ++i)
        expected += pinLine(1, "A", c.pin1X[i], c.fingerY1) + pinLine(2, "A", c.pin2X[i], c.fingerY2);
    expected += pinLine(1, "B", 0, c.barY1) + pinLine(2, "B", 0, c.barY2) + "}\n";
    EXPECT_EQ(button(c.texts, c.unit), expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, ButtonCaseTest,
    testing::Values(
        ButtonCase{"Millimetres", {"4", "12.7", "0.5", "12.7", "BT2"}, kInchesPerMillimetre, 279, 44, 461, 499, 19,
                   {-227, -97, 32, 162}, {-162, -32, 97, 227}, -20, 20, -240, 240},
        ButtonCase{"OneFinger", {"1", "0.4", "0.02", "0.3", "B1"}, 1.0, 180, 189, 260, 400, 20, {-105}, {105}, -20, 20,
                   -140, 140},
        ButtonCase{"OddFingers", {"3", "0.5", "0.02", "0.5", "B3"}, 1.0, 280, 65, 460, 500, 20, {-217, -43, 130},
                   {-130, 43, 217}, -20, 20, -240, 240},
        ButtonCase{"NegativeFingers", {"-1", "0.5", "0.02", "0.5", "BN"}, 1.0, 280, -281, 460, 500, 20, {}, {}, 0, 0,
                   -240, 240},
        // 1000 g is exactly 20.5 thousandths: nearest sends -20.5 to -20 and 20.5 to 21.
        ButtonCase{"GapOnAHalf", {"1", "0.5", "0.0205", "0.5", "BH"}, 1.0, 280, 238, 459, 500, 20, {-130}, {130}, -20,
                   21, -240, 240},
        ButtonCase{"GapTooLargeForTheWidth", {"4", "0.1", "0.02", "0.5", "BG"}, 1.0, 280, -7, 460, 100, 20,
                   {-53, -23, 7, 37}, {-38, -8, 22, 52}, -20, 20, -240, 240},
        ButtonCase{"NameOfSpacesVerbatim", {"1", "0.4", "0.02", "0.3", "   "}, 1.0, 180, 189, 260, 400, 20, {-105},
                   {105}, -20, 20, -140, 140}),
    [](const auto& info) { return std::string(info.param.label); });


TEST(ButtonGeneratorTest, LowestCountNeedsNoOverflowingProduct)
{
    const std::string text = button({"-1e12", "0.5", "0.02", "0.5", "B"});
    EXPECT_EQ(text.rfind("Type B {\nNameData { 50 0 280 0 Center }\nPad A { Rectangle ", 0), 0u);
    EXPECT_NE(text.find("Pin 2 { B 0 0 0 240 0 }\n}\n"), std::string::npos);
}

TEST(ButtonGeneratorTest, LargestCountPlacesEveryFinger)
{
    const PartType part = buttonPartType(readButtonParameters({"100000", "1000", "0.001", "0.5", "B"}, 1.0));
    ASSERT_EQ(part.pins.size(), 200002u);
    // Fingers alternate between the contacts and run from one end to the other.
    for (std::size_t i = 0; i + 2 < part.pins.size(); ++i)
        EXPECT_EQ(part.pins[i].number, i % 2 == 0 ? 1 : 2);
    EXPECT_LT(part.pins.front().x, 0.0);
    EXPECT_GT(part.pins[part.pins.size() - 3].x, 0.0);
}
