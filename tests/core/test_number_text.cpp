#include "NumberText.h"
#include "PadNames.h"
#include "Rounding.h"

#include <gtest/gtest.h>

#include <ostream>

#include <cmath>
#include <string>

using namespace velmora;

struct RoundingCase {
    double inches;
    double down;
    double nearest;
};
inline void PrintTo(const RoundingCase& c, std::ostream* os) { *os << c.inches; }


class RoundingTest : public testing::TestWithParam<RoundingCase> {};

TEST_P(RoundingTest, DownFloorsAndNearestSendsHalvesUp)
{
    const RoundingCase& c = GetParam();
    EXPECT_EQ(down(c.inches), c.down) << c.inches;
    EXPECT_EQ(nearest(c.inches), c.nearest) << c.inches;
}

// Binary fractions make exact halves of a thousandth.
INSTANTIATE_TEST_SUITE_P(Values, RoundingTest,
    testing::Values(RoundingCase{0.5, 500, 500}, RoundingCase{0.999998, 999, 1000}, RoundingCase{0.499999, 499, 500},
                    RoundingCase{0.0625, 62, 63}, RoundingCase{-0.0625, -63, -62}, RoundingCase{0.001, 1, 1},
                    RoundingCase{0.0009, 0, 1}, RoundingCase{-0.0078125, -8, -8}, RoundingCase{0.0, 0, 0},
                    RoundingCase{-0.1, -100, -100}));

struct TextCase {
    double value;
    const char* text;
};
inline void PrintTo(const TextCase& c, std::ostream* os) { *os << c.text; }


class NumberTextTest : public testing::TestWithParam<TextCase> {};

TEST_P(NumberTextTest, WritesEveryDigitAndNothingElse)
{
    EXPECT_EQ(wholeNumberText(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Values, NumberTextTest,
    testing::Values(TextCase{0.0, "0"}, TextCase{-0.0, "0"}, TextCase{500.0, "500"}, TextCase{-484.0, "-484"},
                    TextCase{12.0, "12"}, TextCase{1e22, "10000000000000000000000"},
                    TextCase{std::ldexp(1.0, 70), "1180591620717411303424"},
                    TextCase{-std::ldexp(1.0, 63), "-9223372036854775808"}));

TEST(NumberTextTest, LargestDoubleIsWrittenInFull)
{
    const std::string text = wholeNumberText(1.7976931348623157e308);
    EXPECT_EQ(text.size(), 309u);
    EXPECT_EQ(text.substr(0, 17), "17976931348623157");
    EXPECT_EQ(text.find_first_not_of("0123456789"), std::string::npos);
}

struct PadNameCase {
    long position;
    const char* name;
};
inline void PrintTo(const PadNameCase& c, std::ostream* os) { *os << c.name; }


class PadNameTest : public testing::TestWithParam<PadNameCase> {};

TEST_P(PadNameTest, LettersRunOnLikeSpreadsheetColumns)
{
    EXPECT_EQ(padName(GetParam().position), GetParam().name);
}

INSTANTIATE_TEST_SUITE_P(Positions, PadNameTest,
    testing::Values(PadNameCase{1, "A"}, PadNameCase{2, "B"}, PadNameCase{26, "Z"}, PadNameCase{27, "AA"},
                    PadNameCase{52, "AZ"}, PadNameCase{53, "BA"}, PadNameCase{702, "ZZ"}, PadNameCase{703, "AAA"},
                    PadNameCase{100000, "EQXD"}));
