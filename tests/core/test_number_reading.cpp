#include "DesignParameters.h"
#include "NumberReading.h"
#include "UnitConversion.h"

#include <gtest/gtest.h>

#include <ostream>

#include <bit>
#include <clocale>
#include <cstdint>
#include <limits>

using namespace velmora;

struct ReadCase {
    const char* text;
    double value;
};
inline void PrintTo(const ReadCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }


class ReadNumberTest : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadNumberTest, ReadsTheLeadingNumber)
{
    const ReadCase& c = GetParam();
    EXPECT_EQ(readNumber(c.text), c.value) << '"' << c.text << '"';
}

INSTANTIATE_TEST_SUITE_P(Texts, ReadNumberTest,
    testing::Values(
        ReadCase{"", 0.0}, ReadCase{"0.5", 0.5}, ReadCase{"12.7", 12.7}, ReadCase{"  12", 12.0},
        ReadCase{"\t-3.5", -3.5}, ReadCase{"+2", 2.0}, ReadCase{"-0.1", -0.1}, ReadCase{"12abc", 12.0},
        ReadCase{"1,5", 1.0}, ReadCase{"1.2.3", 1.2}, ReadCase{"12 ", 12.0}, ReadCase{"1 2", 1.0},
        ReadCase{"1e-3", 0.001}, ReadCase{"2E2", 200.0}, ReadCase{"1e", 1.0}, ReadCase{"1e+", 1.0},
        ReadCase{"1ex", 1.0}, ReadCase{".5", 0.5}, ReadCase{"5.", 5.0}, ReadCase{".", 0.0},
        ReadCase{"-", 0.0}, ReadCase{"+", 0.0}, ReadCase{"--1", 0.0}, ReadCase{"+-1", 0.0},
        ReadCase{"abc", 0.0}, ReadCase{"inf", 0.0}, ReadCase{"-infinity", 0.0}, ReadCase{"nan", 0.0},
        ReadCase{"0x10", 0.0}, ReadCase{"\n5", 0.0}, ReadCase{"1e400", 0.0}, ReadCase{"-1e400", 0.0},
        ReadCase{"1e308", 1e308}, ReadCase{"\xEF\xBC\x91", 0.0} /* a full-width digit one */));

TEST(ReadNumberTest, IgnoresTheProcessLocale)
{
    // A locale with a decimal comma must not change how "0.5" reads.
    const char* previous = std::setlocale(LC_ALL, nullptr);
    const std::string saved = previous ? previous : "C";
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8") && !std::setlocale(LC_ALL, "fr_FR.UTF-8"))
        GTEST_SKIP() << "no locale with a decimal comma on this machine";
    EXPECT_EQ(readNumber("0.5"), 0.5);
    EXPECT_EQ(readNumber("1,5"), 1.0);
    std::setlocale(LC_ALL, saved.c_str());
}

struct CountCase {
    const char* text;
    std::int32_t count;
};
inline void PrintTo(const CountCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }


class ReadCountTest : public testing::TestWithParam<CountCase> {};

TEST_P(ReadCountTest, TruncatesTowardZeroAndClamps)
{
    EXPECT_EQ(readCount(GetParam().text), GetParam().count) << '"' << GetParam().text << '"';
}

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

INSTANTIATE_TEST_SUITE_P(Texts, ReadCountTest,
    testing::Values(CountCase{"4", 4}, CountCase{"4.9", 4}, CountCase{"-4.9", -4}, CountCase{"0.5", 0},
                    CountCase{"", 0}, CountCase{"abc", 0}, CountCase{"2147483647", kMax},
                    CountCase{"2147483648", kMax}, CountCase{"1e10", kMax}, CountCase{"-2147483648", kMin},
                    CountCase{"-1e10", kMin}, CountCase{"1e400", 0}));

TEST(UnitConversionTest, MillimetreFactorIsTheDecimalNotOneOver25Point4)
{
    EXPECT_EQ(std::bit_cast<std::uint64_t>(kInchesPerMillimetre), 0x3FA4284DFCE3150EULL);
    EXPECT_EQ(readLength("25.4", kInchesPerMillimetre), 0.999998);
    EXPECT_EQ(readLength("12.7", kInchesPerMillimetre), 0.499999);
    EXPECT_EQ(readLength("0.5", kInchesPerMillimetre), 0.019685);
    EXPECT_EQ(readLength("25.4", kInchesPerInch), 25.4);
}

TEST(DesignParametersTest, ScalesLengthsButNeitherCountNorName)
{
    const SliderParameters p = readSliderParameters({"4", "50", "0.5", "10", " S 1 "}, kInchesPerMillimetre);
    EXPECT_EQ(p.N, 4);
    EXPECT_EQ(p.L, 50 * kInchesPerMillimetre);
    EXPECT_EQ(p.g, 0.5 * kInchesPerMillimetre);
    EXPECT_EQ(p.W, 10 * kInchesPerMillimetre);
    EXPECT_EQ(p.name, " S 1 ");
}
