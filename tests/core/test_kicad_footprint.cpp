// The footprint writer, read back by a small s-expression reader: pads,
// numbers and positions to the micrometre, layers, and the names that a
// footprint cannot carry. Also the exact millimetre text it relies on.

#include "ButtonGenerator.h"
#include "DesignParameters.h"
#include "GenerationError.h"
#include "KicadFootprint.h"
#include "MillimetreText.h"
#include "SliderGenerator.h"
#include "UnitConversion.h"

#include "SampleParts.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>
#include <stdexcept>
#include <ostream>
#include <string>
#include <vector>

using namespace velmora;

namespace {

// An s-expression: an atom (quoted or bare) or a list.
struct Sexp {
    std::string atom;
    bool quoted = false;
    std::vector<Sexp> list;
    bool isList = false;

    const Sexp* child(const std::string& head) const
    {
        for (const Sexp& item : list) {
            if (item.isList && !item.list.empty() && item.list[0].atom == head)
                return &item;
        }
        return nullptr;
    }
    std::vector<const Sexp*> children(const std::string& head) const
    {
        std::vector<const Sexp*> found;
        for (const Sexp& item : list) {
            if (item.isList && !item.list.empty() && item.list[0].atom == head)
                found.push_back(&item);
        }
        return found;
    }
};

class SexpReader {
public:
    explicit SexpReader(const std::string& text) : text_(text) {}

    Sexp readDocument()
    {
        Sexp result = read();
        skipSpace();
        if (pos_ != text_.size())
            throw std::runtime_error("text after the closing parenthesis");
        return result;
    }

private:
    void skipSpace()
    {
        while (pos_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[pos_])))
            ++pos_;
    }

    Sexp read()
    {
        skipSpace();
        if (pos_ >= text_.size())
            throw std::runtime_error("unexpected end");
        Sexp node;
        if (text_[pos_] == '(') {
            ++pos_;
            node.isList = true;
            for (;;) {
                skipSpace();
                if (pos_ >= text_.size())
                    throw std::runtime_error("unclosed list");
                if (text_[pos_] == ')') {
                    ++pos_;
                    return node;
                }
                node.list.push_back(read());
            }
        }
        if (text_[pos_] == ')')
            throw std::runtime_error("unbalanced )");
        if (text_[pos_] == '"') {
            node.quoted = true;
            for (++pos_; pos_ < text_.size() && text_[pos_] != '"'; ++pos_) {
                if (text_[pos_] == '\\')
                    ++pos_;
                node.atom.push_back(text_[pos_]);
            }
            if (pos_ >= text_.size())
                throw std::runtime_error("unclosed string");
            ++pos_;
            return node;
        }
        while (pos_ < text_.size() && !std::isspace(static_cast<unsigned char>(text_[pos_])) && text_[pos_] != '(' &&
               text_[pos_] != ')')
            node.atom.push_back(text_[pos_++]);
        return node;
    }

    const std::string& text_;
    std::size_t pos_ = 0;
};

// A millimetre number read to whole micrometres, without binary rounding
// doubts: the writer promises at most 4 decimals.
long long micrometres(const std::string& text)
{
    EXPECT_EQ(text.find_first_not_of("-0123456789."), std::string::npos) << text;
    const std::size_t point = text.find('.');
    if (point != std::string::npos) {
        EXPECT_LE(text.size() - point - 1, 4u) << text;
    }
    return std::llround(std::strtod(text.c_str(), nullptr) * 1000.0);
}

long long micrometresOf(double thousandths)
{
    return std::llround(thousandths * 25.4);
}

using FootprintCase = velmora::test::SamplePart;
using velmora::test::generate;

const FootprintCase kCases[] = {
    {"SliderInches", PartKind::Slider, {"4", "1", "0.02", "0.5", "SL1"}, false},
    {"SliderMillimetres", PartKind::Slider, {"5", "50", "0.5", "10", "SM"}, true},
    {"SliderThirtyCycles", PartKind::Slider, {"30", "20", "0.01", "0.5", "Long slider"}, false},
    {"ButtonInches", PartKind::Button, {"4", "0.5", "0.02", "0.5", "BT1"}, false},
    {"ButtonMillimetres", PartKind::Button, {"4", "12.7", "0.5", "12.7", "BT2"}, true},
};

class KicadFootprintTest : public testing::TestWithParam<FootprintCase> {};

} // namespace

TEST_P(KicadFootprintTest, ReadsBackWithEveryPinAsAFrontCopperPadInPlace)
{
    const PartType part = generate(GetParam());
    const Sexp footprint = SexpReader(kicadFootprint(part)).readDocument();

    ASSERT_TRUE(footprint.isList);
    EXPECT_EQ(footprint.list.at(0).atom, "footprint");
    EXPECT_EQ(footprint.list.at(1).atom, part.name);
    EXPECT_TRUE(footprint.list.at(1).quoted);
    ASSERT_NE(footprint.child("version"), nullptr);
    EXPECT_GE(std::stol(footprint.child("version")->list.at(1).atom), 20211014);
    ASSERT_NE(footprint.child("attr"), nullptr);
    EXPECT_EQ(footprint.child("attr")->list.at(1).atom, "smd");

    const auto pads = footprint.children("pad");
    ASSERT_EQ(pads.size(), part.pins.size());
    for (std::size_t i = 0; i < pads.size(); ++i) {
        const Sexp& pad = *pads[i];
        const PlacedPin& pin = part.pins[i];
        const PadShape& shape = part.pads[static_cast<std::size_t>(pin.pad) - 1];
        SCOPED_TRACE("pin " + std::to_string(pin.number) + ", pad " + std::to_string(i));
        EXPECT_EQ(pad.list.at(1).atom, std::to_string(pin.number));
        EXPECT_EQ(pad.list.at(2).atom, "smd");
        EXPECT_EQ(pad.list.at(3).atom, "rect");
        const Sexp* at = pad.child("at");
        const Sexp* size = pad.child("size");
        const Sexp* layers = pad.child("layers");
        ASSERT_TRUE(at && size && layers);
        EXPECT_EQ(micrometres(at->list.at(1).atom), micrometresOf(pin.x));
        EXPECT_EQ(micrometres(at->list.at(2).atom), micrometresOf(-pin.y)); // y points down
        EXPECT_EQ(micrometres(size->list.at(1).atom), micrometresOf(shape.width));
        EXPECT_EQ(micrometres(size->list.at(2).atom), micrometresOf(shape.height));
        // Touch electrodes stay under solder mask: copper only, no paste.
        ASSERT_EQ(layers->list.size(), 2u);
        EXPECT_EQ(layers->list[1].atom, "F.Cu");
    }
}

TEST_P(KicadFootprintTest, CourtyardSurroundsEveryPad)
{
    const PartType part = generate(GetParam());
    const Sexp footprint = SexpReader(kicadFootprint(part)).readDocument();
    long long left = 0, right = 0, top = 0, bottom = 0;
    bool any = false;
    bool hasFab = false;
    for (const Sexp* line : footprint.children("fp_line")) {
        const std::string layer = line->child("layer")->list.at(1).atom;
        hasFab = hasFab || layer == "F.Fab" || layer == "F.SilkS";
        if (layer != "F.CrtYd")
            continue;
        for (const char* end : {"start", "end"}) {
            const long long x = micrometres(line->child(end)->list.at(1).atom);
            const long long y = micrometres(line->child(end)->list.at(2).atom);
            left = any ? std::min(left, x) : x;
            right = any ? std::max(right, x) : x;
            top = any ? std::min(top, y) : y;
            bottom = any ? std::max(bottom, y) : y;
            any = true;
        }
    }
    ASSERT_TRUE(any);
    EXPECT_TRUE(hasFab);
    for (const PlacedPin& pin : part.pins) {
        const PadShape& shape = part.pads[static_cast<std::size_t>(pin.pad) - 1];
        EXPECT_LT(left, micrometresOf(pin.x - shape.width / 2.0));
        EXPECT_GT(right, micrometresOf(pin.x + shape.width / 2.0));
        EXPECT_LT(top, micrometresOf(-pin.y - shape.height / 2.0));
        EXPECT_GT(bottom, micrometresOf(-pin.y + shape.height / 2.0));
    }
}

INSTANTIATE_TEST_SUITE_P(Parts, KicadFootprintTest, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<FootprintCase>& info) { return info.param.label; });

TEST(KicadFootprintGolden, MatchesTheStoredFootprints)
{
    const std::pair<const FootprintCase*, const char*> goldens[] = {{&kCases[0], "SL1.kicad_mod"},
                                                                    {&kCases[3], "BT1.kicad_mod"}};
    for (const auto& [c, file] : goldens) {
        std::ifstream in(std::string(VELMORA_GOLDEN_DIR) + "/" + file, std::ios::binary);
        ASSERT_TRUE(in) << file;
        const std::string stored{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        EXPECT_EQ(kicadFootprint(generate(*c)), stored) << file;
    }
}

// Names a footprint cannot carry are refused before anything is written.
struct NameCase {
    const char* label;
    const char* name;
    bool valid;
};

inline void PrintTo(const NameCase& c, std::ostream* os) { *os << c.label; }

class FootprintNameTest : public testing::TestWithParam<NameCase> {};

TEST_P(FootprintNameTest, AcceptsOrRefusesTheName)
{
    EXPECT_EQ(footprintNameProblem(GetParam().name).empty(), GetParam().valid);
    FootprintCase c{"", PartKind::Slider, {"4", "1", "0.02", "0.5", GetParam().name}, false};
    if (GetParam().valid) {
        EXPECT_NO_THROW(kicadFootprint(generate(c)));
    } else {
        EXPECT_THROW(kicadFootprint(generate(c)), GenerationError);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Names, FootprintNameTest,
    testing::Values(NameCase{"Plain", "SL1", true}, NameCase{"InnerSpaceAndPunctuation", "Touch slider_4-cycles(v2)", true},
                    NameCase{"Utf8", "Schieber\xC3\xBC", true}, NameCase{"Empty", "", false},
                    NameCase{"Slash", "a/b", false}, NameCase{"Backslash", "a\\b", false},
                    NameCase{"Colon", "lib:SL1", false}, NameCase{"Quote", "SL\"1", false},
                    NameCase{"Newline", "SL\n1", false}, NameCase{"Tab", "SL\t1", false},
                    NameCase{"LeadingSpace", " SL1", false}, NameCase{"TrailingSpace", "SL1 ", false},
                    NameCase{"InvalidUtf8", "SL\xC3", false}, NameCase{"Wildcard", "SL*", false}),
    [](const testing::TestParamInfo<NameCase>& info) { return info.param.label; });

TEST(KicadFootprintRefusals, PadsWithoutAreaAndPatternsBeyondAMetre)
{
    // Pad A comes out -11 wide: no footprint can hold it.
    EXPECT_THROW(kicadFootprint(generate({"", PartKind::Slider, {"4", "0.2", "0.02", "0.5", "S"}, false})),
                 GenerationError);
    // 100 inches long: beyond 1 m from the centre.
    EXPECT_THROW(kicadFootprint(generate({"", PartKind::Slider, {"4", "100", "0.02", "0.5", "S"}, false})),
                 GenerationError);
    EXPECT_NO_THROW(kicadFootprint(generate({"", PartKind::Slider, {"4", "70", "0.02", "0.5", "S"}, false})));
}

// Millimetres from thousandths of an inch, exactly: n x 0.0254.
struct MillimetreCase {
    double thousandths;
    const char* millimetres;
};

class MillimetreTextTest : public testing::TestWithParam<MillimetreCase> {};

TEST_P(MillimetreTextTest, IsTheExactDecimal)
{
    EXPECT_EQ(millimetreText(GetParam().thousandths), GetParam().millimetres);
}

INSTANTIATE_TEST_SUITE_P(
    Values, MillimetreTextTest,
    testing::Values(MillimetreCase{0, "0"}, MillimetreCase{-0.0, "0"}, MillimetreCase{485, "12.319"},
                    MillimetreCase{-484, "-12.2936"}, MillimetreCase{1, "0.0254"}, MillimetreCase{0.5, "0.0127"},
                    MillimetreCase{-0.5, "-0.0127"}, MillimetreCase{-499.5, "-12.6873"},
                    MillimetreCase{1000, "25.4"}, MillimetreCase{125, "3.175"}, MillimetreCase{500, "12.7"},
                    MillimetreCase{9007199254740992.0, "228782861070421.1968"}, // 2^53
                    MillimetreCase{1e22, "254000000000000000000"}));

TEST(MillimetreTextHuge, LargestDoubleIsWrittenDigitForDigit)
{
    const std::string text = millimetreText(1.7976931348623157e308);
    EXPECT_EQ(text.substr(0, 10), "4566140562");
    EXPECT_EQ(text.substr(text.size() - 12), "6771402.5472");
    EXPECT_EQ(text.size(), 312u);
}

TEST(OtherUnitTexts, InchesAreaAndThousandths)
{
    EXPECT_EQ(inchText(999), "0.999");
    EXPECT_EQ(inchText(-1968.5), "-1.9685");
    EXPECT_EQ(squareMillimetreText(1), "0.00064516");
    EXPECT_EQ(squareMillimetreText(0.25), "0.00016129");
    EXPECT_EQ(thousandthText(-12.5), "-12.5");
    EXPECT_EQ(thousandthText(87440), "87440");
}
