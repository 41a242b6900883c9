// Parameters files, output formats and the report's exit statuses of
// velmora-gen, end to end, plus the parameters-file reader on its own.

#include "ParamsFile.h"
#include "RunProgram.h"
#include "TempFolder.h"
#include "WorkedExamples.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

using namespace velmora;
using namespace velmora::cli;
using namespace velmora::test;

namespace {

const std::string kProgram = VELMORA_GEN_PATH;
const std::string kGolden = VELMORA_GOLDEN_DIR;

ProgramRun gen(const std::vector<std::string>& arguments)
{
    return runProgram(kProgram, arguments);
}

std::vector<std::string> slider(std::vector<std::string> extra, const std::string& name = "SL1",
                                const std::string& gap = "0.02")
{
    std::vector<std::string> arguments{"slider", "--count", "4", "--length", "1", "--gap", gap,
                                       "--width", "0.5", "--name", name};
    arguments.insert(arguments.end(), extra.begin(), extra.end());
    return arguments;
}

constexpr const char* kTwoParts = R"({
  "output": "library.txt",
  "parts": [
    {"kind": "slider", "count": 4, "length": "1", "gap": 0.02, "width": 0.5, "name": "SL1"},
    {"kind": "button", "count": "4", "length": 0.5, "gap": "0.02", "width": 0.5, "name": "BT1",
     "unit": "in", "format": "kicad", "output": "footprints/BT1.kicad_mod"},
    {"kind": "button", "count": 4, "length": 0.5, "gap": 0.02, "width": 0.5, "name": "BT1", "format": "svg",
     "output": "BT1.svg"}
  ]
})";

} // namespace

TEST(ParamsFileReader, ReadsNumbersAsTheirShortestTextsAndPathsFromTheFilesFolder)
{
    const ParamsFile file = parseParams(kTwoParts, "/work/p/parts.json");
    ASSERT_EQ(file.entries.size(), 3u);
    EXPECT_EQ(file.libraryOutput, "/work/p/library.txt");
    const ParamsEntry& first = file.entries[0];
    EXPECT_EQ(first.request.kind, PartKind::Slider);
    EXPECT_EQ(first.request.texts.count, "4");
    EXPECT_EQ(first.request.texts.gap, "0.02");
    EXPECT_EQ(first.request.texts.width, "0.5");
    EXPECT_FALSE(first.request.millimetres);
    EXPECT_EQ(first.format, OutputFormat::Quarlin);
    EXPECT_EQ(first.output, "");
    EXPECT_EQ(file.entries[1].format, OutputFormat::Kicad);
    EXPECT_EQ(file.entries[1].output, "/work/p/footprints/BT1.kicad_mod");
    EXPECT_EQ(numberFieldText(0.1), "0.1");
    EXPECT_EQ(numberFieldText(1e-7), "1e-07");
}

struct BadParams {
    const char* label;
    const char* json;
    const char* message;
};

inline void PrintTo(const BadParams& c, std::ostream* os) { *os << c.label; }

class ParamsFileErrors : public testing::TestWithParam<BadParams> {};

TEST_P(ParamsFileErrors, NameTheFileAndTheEntry)
{
    try {
        parseParams(GetParam().json, "parts.json");
        FAIL() << "accepted";
    } catch (const ParamsError& error) {
        EXPECT_NE(std::string(error.what()).find(GetParam().message), std::string::npos) << error.what();
    }
}

#define PART(extra) R"({"parts": [{"kind": "slider", "count": 4, "length": 1, "gap": 0.02, "width": 0.5, "name": "S")" extra "}]}"

INSTANTIATE_TEST_SUITE_P(
    Cases, ParamsFileErrors,
    testing::Values(
        BadParams{"NotJson", "{\"parts\": [", "parts.json: not valid JSON"},
        BadParams{"NotAnObject", "[1, 2]", "parts.json: the file must hold an object"},
        BadParams{"NoParts", "{}", "parts.json: \"parts\" must be a non-empty list"},
        BadParams{"UnknownTopLevelKey", "{\"parts\": [], \"ouput\": \"x\"}", "parts.json: unknown key \"ouput\""},
        BadParams{"EntryNotAnObject", "{\"parts\": [7]}", "parts.json: parts[0]: each part type must be an object"},
        BadParams{"UnknownKey", PART(", \"lenght\": 2"), "parts.json: parts[0]: unknown key \"lenght\""},
        BadParams{"BadKind", R"({"parts": [{"kind": "knob"}]})", "parts[0]: \"kind\" must be \"slider\" or \"button\""},
        BadParams{"MissingField", R"({"parts": [{"kind": "slider", "count": 4}]})", "parts[0]: \"length\" is missing"},
        BadParams{"FieldOfWrongType", PART(", \"unit\": \"mm\"}, {\"kind\": \"button\", \"count\": true"),
                  "parts[1]: \"count\" must be a number or a text"},
        BadParams{"NameNotText", R"({"parts": [{"kind": "slider", "count": 4, "length": 1, "gap": 0.02, "width": 0.5, "name": 5}]})",
                  "parts[0]: \"name\" must be a text"},
        BadParams{"BadUnit", PART(", \"unit\": \"cm\""), "parts[0]: \"unit\" must be \"in\" or \"mm\""},
        BadParams{"BadFormat", PART(", \"format\": \"gerber\""), "parts[0]: \"format\" must be"},
        BadParams{"FootprintWithoutFile", PART(", \"format\": \"kicad\""), "parts[0]: \"output\" is needed"},
        BadParams{"TwoFootprintsInOneFile",
                  PART(", \"format\": \"kicad\", \"output\": \"a\"}, {\"kind\": \"slider\", \"count\": 4, \"length\": 1, "
                       "\"gap\": 0.02, \"width\": 0.5, \"name\": \"T\", \"format\": \"svg\", \"output\": \"a\""),
                  "parts[1]: \"output\" a is already written by another entry"}),
    [](const testing::TestParamInfo<BadParams>& info) { return info.param.label; });

TEST(ParamsEndToEnd, WritesALibraryAndOneFilePerFootprintTheSameEachTime)
{
    TempFolder folder;
    writeFile(folder.file("parts.json"), kTwoParts);
    std::filesystem::create_directory(folder.path() / "footprints");

    std::string first[3];
    for (int run = 0; run < 2; ++run) {
        const ProgramRun result = gen({"--params", folder.file("parts.json")});
        ASSERT_EQ(result.exitStatus, 0) << result.err;
        EXPECT_EQ(result.out, "");
        const std::string written[3] = {readFile(folder.file("library.txt")),
                                        readFile(folder.file("footprints/BT1.kicad_mod")),
                                        readFile(folder.file("BT1.svg"))};
        EXPECT_EQ(written[0], kSliderSL1);
        EXPECT_EQ(written[1], readFile(kGolden + "/BT1.kicad_mod"));
        EXPECT_EQ(written[2], readFile(kGolden + "/BT1.svg"));
        for (int i = 0; i < 3; ++i) {
            if (run == 1) {
                EXPECT_EQ(written[i], first[i]) << i;
            }
            first[i] = written[i];
        }
    }
}

TEST(ParamsEndToEnd, LibraryGoesToStandardOutputOrTheCommandLinesFile)
{
    TempFolder folder;
    writeFile(folder.file("parts.json"),
              R"({"parts": [{"kind": "slider", "count": 4, "length": 1, "gap": 0.02, "width": 0.5, "name": "SL1"},
                            {"kind": "button", "count": 4, "length": 0.5, "gap": 0.02, "width": 0.5, "name": "BT1"}]})");
    const ProgramRun toStdout = gen({"--params", folder.file("parts.json")});
    EXPECT_EQ(toStdout.exitStatus, 0) << toStdout.err;
    EXPECT_EQ(toStdout.out, std::string(kSliderSL1) + kButtonBT1);

    const ProgramRun toFile = gen({"--params", folder.file("parts.json"), "--output", folder.file("lib.txt")});
    EXPECT_EQ(toFile.exitStatus, 0) << toFile.err;
    EXPECT_EQ(readFile(folder.file("lib.txt")), std::string(kSliderSL1) + kButtonBT1);
}

TEST(ParamsEndToEnd, ABadEntryWritesNothing)
{
    TempFolder folder;
    writeFile(folder.file("library.txt"), "old\n");
    // The second entry reads its count as 0, which the window would not allow.
    writeFile(folder.file("parts.json"),
              R"({"output": "library.txt",
                  "parts": [{"kind": "slider", "count": 4, "length": 1, "gap": 0.02, "width": 0.5, "name": "SL1"},
                            {"kind": "slider", "count": "none", "length": 1, "gap": 0.02, "width": 0.5, "name": "X"}]})");
    const ProgramRun result = gen({"--params", folder.file("parts.json")});
    EXPECT_EQ(result.exitStatus, 2);
    EXPECT_NE(result.err.find("parts.json: parts[1] (X): --count"), std::string::npos) << result.err;
    EXPECT_EQ(readFile(folder.file("library.txt")), "old\n");

    const ProgramRun missing = gen({"--params", folder.file("nothing.json")});
    EXPECT_EQ(missing.exitStatus, 2);
    EXPECT_NE(missing.err.find("nothing.json: cannot read"), std::string::npos) << missing.err;
}

TEST(ParamsEndToEnd, ReportsEachEntryUnderItsPlaceAndFailsStrictlyOnAWarning)
{
    TempFolder folder;
    writeFile(folder.file("parts.json"),
              R"({"parts": [{"kind": "slider", "count": 4, "length": 1, "gap": 0.02, "width": 0.5, "name": "SL1"},
                            {"kind": "button", "count": 4, "length": 0.5, "gap": 0.02, "width": 0.5, "name": "B 1"}]})");
    const ProgramRun report = gen({"--params", folder.file("parts.json"), "--report"});
    EXPECT_EQ(report.exitStatus, 0) << report.err;
    const std::string second = folder.file("parts.json") + ": parts[1] (B 1):\n";
    ASSERT_NE(report.err.find(second), std::string::npos) << report.err;
    EXPECT_NE(report.err.find("warning: the name holds a space", report.err.find(second)), std::string::npos);
    EXPECT_EQ(report.out, std::string(kSliderSL1) + std::string(kButtonBT1).replace(5, 3, "B 1"));

    const ProgramRun strict = gen({"--params", folder.file("parts.json"), "--strict"});
    EXPECT_EQ(strict.exitStatus, 3) << strict.err;
    EXPECT_EQ(strict.out, report.out);
}

// Exit statuses: 0 written, 2 refused or bad usage, 3 written but the
// report found an error, or a warning under --strict.
struct StatusCase {
    const char* label;
    std::vector<std::string> arguments;
    int status;
    const char* inError; // expected in standard error
};

inline void PrintTo(const StatusCase& c, std::ostream* os) { *os << c.label; }

class ReportStatusTest : public testing::TestWithParam<StatusCase> {};

TEST_P(ReportStatusTest, GivesTheExitStatus)
{
    const ProgramRun result = gen(GetParam().arguments);
    EXPECT_EQ(result.exitStatus, GetParam().status) << result.err;
    EXPECT_NE(result.err.find(GetParam().inError), std::string::npos) << result.err;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReportStatusTest,
    testing::Values(
        StatusCase{"CleanReport", slider({"--report"}), 0, "note: pitch (one cycle)"},
        StatusCase{"CleanStrict", slider({"--strict"}), 0, "note: copper area of odd pins"},
        StatusCase{"WarningReported", slider({"--report"}, "SL 1"), 0, "warning: the name holds a space"},
        StatusCase{"WarningUnderStrict", slider({"--strict"}, "SL 1"), 3, "warning: the name holds a space"},
        StatusCase{"ErrorAlwaysFails", slider({"--report"}, "S", "-0.01"), 3, "error: 7 pairs of pads overlap"},
        StatusCase{"MinimumGapInTheEnteredUnit", slider({"--report", "--min-gap", "0.025"}), 3,
                   "below the manufacturing minimum of 25 thou (0.635 mm)"},
        StatusCase{"MinimumGapInMillimetres",
                   {"slider", "--count", "4", "--length", "25.4", "--gap", "0.5", "--width", "12.7", "--name", "S",
                    "--mm", "--report", "--min-gap", "0.6"},
                   3, "minimum of 23.622 thou (0.6 mm)"},
        StatusCase{"MinimumGapNotANumber", slider({"--report", "--min-gap", "abc"}), 2, "--min-gap must be a number"},
        StatusCase{"MinimumGapNegative", slider({"--min-gap", "-1"}), 2, "--min-gap must be a number"},
        StatusCase{"AppendAFootprint", slider({"--format", "kicad", "--append", "x"}), 2,
                   "--append works only with the quarlin format"},
        StatusCase{"UnknownFormat", slider({"--format", "gerber"}), 2, "--format"},
        StatusCase{"FootprintNameWithSlash", slider({"--format", "kicad"}, "a/b"), 2,
                   "cannot be a footprint: the name holds the character /"},
        StatusCase{"PreviewOfPadsWithoutArea",
                   {"slider", "--count", "4", "--length", "0.2", "--gap", "0.02", "--width", "0.5", "--name", "S",
                    "--format", "svg"},
                   2, "Pad A would be -11 by 500"},
        StatusCase{"ParamsAndAPartTogether", slider({"--params", "p.json"}), 2, ""},
        StatusCase{"NeitherPartNorParams", {"--report"}, 2, "give either the slider or button command"}),
    [](const testing::TestParamInfo<StatusCase>& info) { return info.param.label; });

TEST(ReportOutput, GoesToStandardErrorAndLeavesThePartOnStandardOutputIntact)
{
    const ProgramRun result = gen(slider({"--report"}, "SL 1"));
    EXPECT_EQ(result.out, std::string(kSliderSL1).replace(5, 3, "SL 1"));
    // Under --report the window's warnings appear once, as report lines.
    EXPECT_EQ(result.err.find("velmora-gen: warning:"), std::string::npos) << result.err;
}

TEST(FormatOutput, WritesTheFootprintAndThePreviewToAFileOrStandardOutput)
{
    TempFolder folder;
    const ProgramRun kicad = gen(slider({"--format", "kicad", "--output", folder.file("SL1.kicad_mod")}));
    EXPECT_EQ(kicad.exitStatus, 0) << kicad.err;
    EXPECT_EQ(readFile(folder.file("SL1.kicad_mod")), readFile(kGolden + "/SL1.kicad_mod"));
    const ProgramRun svg = gen(slider({"--format", "svg"}));
    EXPECT_EQ(svg.exitStatus, 0) << svg.err;
    EXPECT_EQ(svg.out, readFile(kGolden + "/SL1.svg"));
}
