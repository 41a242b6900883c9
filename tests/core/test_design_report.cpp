// The design-rule report: which findings, at which level, for which entries.

#include "ButtonGenerator.h"
#include "DesignReport.h"
#include "SliderGenerator.h"
#include "UnitConversion.h"

#include "SampleParts.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

using namespace velmora;

namespace {

struct ReportCase {
    const char* label;
    PartKind kind;
    EntryTexts texts;
    double minimumGap;
    std::vector<std::string> errors;   // each matches one error line, in order
    std::vector<std::string> warnings; // likewise for the warnings
};

inline void PrintTo(const ReportCase& c, std::ostream* os) { *os << c.label; }

std::vector<ReportLine> reportFor(PartKind kind, const EntryTexts& texts, double minimumGap = 6.0,
                                  bool millimetres = false)
{
    const PartType part = velmora::test::generatePart(kind, texts, millimetres);
    return designReport(part, {kind, texts, millimetres}, {minimumGap});
}

std::vector<std::string> linesAt(const std::vector<ReportLine>& lines, ReportLevel level)
{
    std::vector<std::string> found;
    for (const ReportLine& line : lines) {
        if (line.level == level)
            found.push_back(line.message + " | " + line.fix);
    }
    return found;
}

void expectMatches(const std::vector<std::string>& lines, const std::vector<std::string>& expected, const char* what)
{
    ASSERT_EQ(lines.size(), expected.size()) << what << ":\n" << testing::PrintToString(lines);
    for (std::size_t i = 0; i < lines.size(); ++i)
        EXPECT_NE(lines[i].find(expected[i]), std::string::npos) << what << " " << i << ": " << lines[i];
}

class DesignReportTest : public testing::TestWithParam<ReportCase> {};

} // namespace

TEST_P(DesignReportTest, GivesTheExpectedErrorsAndWarnings)
{
    const ReportCase& c = GetParam();
    const std::vector<ReportLine> lines = reportFor(c.kind, c.texts, c.minimumGap);
    expectMatches(linesAt(lines, ReportLevel::Error), c.errors, "errors");
    expectMatches(linesAt(lines, ReportLevel::Warning), c.warnings, "warnings");
    // Every error and warning says how to fix it.
    for (const ReportLine& line : lines)
        EXPECT_EQ(line.fix.empty(), line.level == ReportLevel::Note) << line.message;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DesignReportTest,
    testing::Values(
        ReportCase{"SliderClean", PartKind::Slider, {"4", "1", "0.02", "0.5", "SL1"}, 6, {}, {}},
        ReportCase{"ButtonClean", PartKind::Button, {"4", "0.5", "0.02", "0.5", "BT1"}, 6, {}, {}},
        ReportCase{"SliderPadsWithoutWidth",
                   PartKind::Slider,
                   {"4", "0.2", "0.02", "0.5", "S"},
                   6,
                   {"2 pad shapes have a width or height of 0 or below: pad A is -11 by 500 thou (-0.2794 by 12.7 mm)"},
                   {"narrowest pad is narrower than the gap (window warning)"}},
        ReportCase{"SliderNegativeGapOverlaps",
                   PartKind::Slider,
                   {"4", "1", "-0.01", "0.5", "S"},
                   6,
                   {"7 pairs of pads overlap, most by 9.5 thou (0.2413 mm) (pins 1 and 2)"},
                   {"below one thousandth of an inch (window warning)"}},
        ReportCase{"SliderGapBelowManufacturingMinimum",
                   PartKind::Slider,
                   {"4", "1", "0.004", "0.5", "S"},
                   6,
                   {"3 copper gaps are below the manufacturing minimum of 6 thou (0.1524 mm): 5 thou (0.127 mm) "
                    "between pins 2 and 3"},
                   {"4 electrode gaps are below 10 thou (0.254 mm): 6 thou (0.1524 mm)"}},
        ReportCase{"MinimumGapFromTheCaller",
                   PartKind::Slider,
                   {"4", "1", "0.02", "0.5", "SL1"},
                   25,
                   {"below the manufacturing minimum of 25 thou (0.635 mm): 20.5 thou (0.5207 mm) between pins"},
                   {}},
        ReportCase{"SliderGapBelowGuidance",
                   PartKind::Slider,
                   {"4", "1", "0.008", "0.5", "S"},
                   6,
                   {},
                   {"6 electrode gaps are below 10 thou (0.254 mm): 9.5 thou (0.2413 mm) between pins 1 and 2"}},
        ReportCase{"SliderTwoCycles", PartKind::Slider, {"2", "1", "0.02", "0.5", "S"}, 6, {}, {"the slider has 2 cycles"}},
        ReportCase{"SliderNarrowPads",
                   PartKind::Slider,
                   {"10", "1", "0.02", "0.5", "S"},
                   6,
                   {"2 pad shapes have a width or height of 0 or below: pad A is -12 by 500 thou"},
                   {"a pad is narrower than 10 thou (0.254 mm): pad C is 6 thou (0.1524 mm) wide",
                    "narrowest pad is narrower than the gap"}},
        ReportCase{"SliderFirstPadBelowGuidance",
                   PartKind::Slider,
                   {"6", "1", "0.02", "0.5", "S"},
                   6,
                   {},
                   {"a pad is narrower than 10 thou (0.254 mm): pad A is 3 thou (0.0762 mm) wide",
                    "narrowest pad is narrower than the gap (window warning)"}},
        ReportCase{"SliderTooNarrowForAFinger",
                   PartKind::Slider,
                   {"4", "1", "0.02", "0.2", "S"},
                   6,
                   {},
                   {"the sensor is 200 thou (5.08 mm) high, outside about 7 to 20 mm"}},
        ReportCase{"ButtonTooTall",
                   PartKind::Button,
                   {"4", "0.5", "0.02", "1", "B"},
                   6,
                   {},
                   {"the sensor is 1000 thou (25.4 mm) high"}},
        ReportCase{"ButtonNarrowFingers",
                   PartKind::Button,
                   {"7", "0.5", "0.02", "0.5", "B"},
                   6,
                   {},
                   {"fingers are narrower than the gap (window warning)"}},
        ReportCase{"ButtonFingersBelowGuidance",
                   PartKind::Button,
                   {"9", "0.5", "0.02", "0.5", "B"},
                   6,
                   {},
                   {"the fingers are narrower than 10 thou (0.254 mm): pad A is 7 thou (0.1778 mm) wide",
                    "fingers are narrower than the gap (window warning)"}},
        ReportCase{"ButtonGapBelowMinimumBetweenFingerAndBar",
                   PartKind::Button,
                   {"4", "0.5", "0.003", "0.5", "B"},
                   6,
                   {"15 copper gaps are below the manufacturing minimum of 6 thou (0.1524 mm): 2.5 thou (0.0635 mm) "
                    "between pins 1 and 2"},
                   {}},
        ReportCase{"ButtonRoundingNarrowsTheGapToTheBar",
                   PartKind::Button,
                   {"7", "0.605", "0.0211", "0.546", "B"},
                   6,
                   {},
                   {"14 written copper gaps are narrower than the entered 21.1 thou (0.5359 mm) by more than half a "
                    "thousandth: 20.5 thou (0.5207 mm) between pins 1 and 2"}},
        ReportCase{"BadCharacterInName",
                   PartKind::Slider,
                   {"4", "1", "0.02", "0.5", "SL 1"},
                   6,
                   {},
                   {"the name holds a space, comma, brace or apostrophe (window warning)"}}),
    [](const testing::TestParamInfo<ReportCase>& info) { return info.param.label; });

TEST(DesignReportNotes, PitchPadsAndCopperAreaOfTheSlider)
{
    const auto notes = linesAt(reportFor(PartKind::Slider, {"4", "1", "0.02", "0.5", "SL1"}), ReportLevel::Note);
    expectMatches(notes,
                  {"pitch (one cycle): 254.5 thou (6.4643 mm) to 255.5 thou (6.4897 mm)",
                   "narrowest pad: pad A, 30 by 500 thou (0.762 by 12.7 mm)",
                   "widest pad: pad D, 183 by 500 thou (4.6482 by 12.7 mm)",
                   "copper area of odd pins: 213000 square thou (137.41908 mm2)",
                   "copper area of even pins: 213000 square thou (137.41908 mm2)"},
                  "notes");
}

TEST(DesignReportNotes, ButtonAreaCountsEachFingersOverlapWithItsBarOnce)
{
    // 4 fingers 44 x 460, a bar 500 x 20, each finger over its bar by 44 x 20.
    const auto notes = linesAt(reportFor(PartKind::Button, {"4", "0.5", "0.02", "0.5", "BT1"}), ReportLevel::Note);
    expectMatches(notes,
                  {"finger pitch (centre to centre): 65 thou (1.651 mm)", "narrowest pad: pad A, 44 by 460",
                   "widest pad: pad B, 500 by 20", "copper area of pin 1: 87440 square thou (56.4127904 mm2)",
                   "copper area of pin 2: 87440 square thou"},
                  "notes");
}

TEST(DesignReportText, OneLinePerFindingWithLevelAndFix)
{
    const std::vector<ReportLine> lines = {{ReportLevel::Error, "e", "f"}, {ReportLevel::Warning, "w", "g"},
                                           {ReportLevel::Note, "n", ""}};
    EXPECT_EQ(reportText(lines), "error: e; fix: f\nwarning: w; fix: g\nnote: n\n");
    EXPECT_TRUE(hasLevel(lines, ReportLevel::Warning));
    EXPECT_FALSE(hasLevel({lines[2]}, ReportLevel::Error));
}

TEST(DesignReportScale, GathersFindingsOfAHundredThousandFingers)
{
    // Every gap is below the minimum; the report still has one line for it.
    const auto lines = reportFor(PartKind::Button, {"100000", "2600", "0.003", "0.5", "B"});
    EXPECT_EQ(linesAt(lines, ReportLevel::Error).size(), 1u);
}
