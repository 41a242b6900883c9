#include "RunProgram.h"
#include "TempFolder.h"
#include "WorkedExamples.h"

#include <gtest/gtest.h>

#include <ostream>

#include <filesystem>
#include <string>
#include <vector>

using namespace velmora::test;
namespace fs = std::filesystem;

namespace {

const std::string kProgram = VELMORA_GEN_PATH;

std::vector<std::string> sliderSL1(std::vector<std::string> extra = {})
{
    std::vector<std::string> arguments{"slider", "--count", "4", "--length", "1", "--gap", "0.02",
                                       "--width", "0.5", "--name", "SL1"};
    arguments.insert(arguments.end(), extra.begin(), extra.end());
    return arguments;
}

ProgramRun gen(const std::vector<std::string>& arguments, const RunOptions& options = {})
{
    return runProgram(kProgram, arguments, options);
}

} // namespace

TEST(VelmoraGenTest, WritesTheWorkedExamplesToStandardOutput)
{
    const ProgramRun slider = gen(sliderSL1());
    EXPECT_EQ(slider.exitStatus, 0) << slider.err;
    EXPECT_EQ(slider.out, kSliderSL1);
    EXPECT_EQ(slider.err, "");

    const ProgramRun button =
        gen({"button", "--count", "4", "--length", "0.5", "--gap", "0.02", "--width", "0.5", "--name", "BT1"});
    EXPECT_EQ(button.exitStatus, 0) << button.err;
    EXPECT_EQ(button.out, kButtonBT1);
}

TEST(VelmoraGenTest, ReadsValuesAsTheWindowReadsItsFields)
{
    // Millimetres, a leading space and trailing text, exactly as typed.
    const ProgramRun run = gen({"button", "--count", "4.7", "--length", " 12.7", "--gap", "0.5mm", "--width",
                                "12.7", "--name", "BT2", "--mm"});
    EXPECT_EQ(run.exitStatus, 0) << run.err;
    EXPECT_NE(run.out.find("Pad A { Rectangle 44 461 }\nPad B { Rectangle 499 19 }\n"), std::string::npos) << run.out;
}

TEST(VelmoraGenTest, AcceptsNegativeValuesInBothForms)
{
    const ProgramRun separate = gen(sliderSL1({"--gap", "-0.1"}));
    const ProgramRun joined = gen(sliderSL1({"--gap=-0.1"}));
    EXPECT_EQ(separate.exitStatus, 0) << separate.err;
    EXPECT_EQ(joined.exitStatus, 0) << joined.err;
    EXPECT_EQ(separate.out, joined.out);
    EXPECT_NE(separate.out.find("Type SL1 {"), std::string::npos);
}

struct WarningCase {
    const char* label;
    std::vector<std::string> arguments;
    const char* warning;
};
inline void PrintTo(const WarningCase& c, std::ostream* os) { *os << c.label; }


class WarningTest : public testing::TestWithParam<WarningCase> {};

TEST_P(WarningTest, WarnsOnStandardErrorAndStillWrites)
{
    const ProgramRun run = gen(GetParam().arguments);
    EXPECT_EQ(run.exitStatus, 0) << run.err;
    EXPECT_NE(run.err.find(std::string("warning: ") + GetParam().warning), std::string::npos) << run.err;
    EXPECT_EQ(run.out.substr(run.out.size() - 2), "}\n");
}

INSTANTIATE_TEST_SUITE_P(Warnings, WarningTest,
    testing::Values(
        WarningCase{"NarrowPad", sliderSL1({"--count", "10"}), "the narrowest pad is narrower than the gap"},
        WarningCase{"NarrowFinger",
                    {"button", "--count", "7", "--length", "0.5", "--gap", "0.02", "--width", "0.5", "--name", "B"},
                    "the fingers are narrower than the gap"},
        WarningCase{"BadCharacter", sliderSL1({"--name", "SL 1"}), "bad character in name"},
        WarningCase{"GapTooSmall", sliderSL1({"--gap", "0.0009"}), "the gap is too small"}),
    [](const auto& info) { return std::string(info.param.label); });

struct RefusalCase {
    const char* label;
    std::vector<std::string> arguments;
    const char* message;
};
inline void PrintTo(const RefusalCase& c, std::ostream* os) { *os << c.label; }


class RefusalTest : public testing::TestWithParam<RefusalCase> {};

TEST_P(RefusalTest, RefusesWithStatusTwoAndWritesNothing)
{
    TempFolder folder;
    std::vector<std::string> arguments = GetParam().arguments;
    const bool hasTarget = std::find(arguments.begin(), arguments.end(), "--append") != arguments.end();
    if (!hasTarget) {
        arguments.push_back("--output");
        arguments.push_back(folder.file("out.txt"));
    }
    const ProgramRun run = gen(arguments);
    EXPECT_EQ(run.exitStatus, 2);
    EXPECT_NE(run.err.find(GetParam().message), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_TRUE(folder.names().empty());
}

INSTANTIATE_TEST_SUITE_P(Refusals, RefusalTest,
    testing::Values(
        RefusalCase{"CountZero", sliderSL1({"--count", "0"}), "--count (number of cycles) must be a number other than 0"},
        RefusalCase{"LengthNotANumber", sliderSL1({"--length", "abc"}), "--length (overall length) must be a number other than 0"},
        RefusalCase{"GapEmpty", sliderSL1({"--gap", ""}), "--gap must be a number other than 0"},
        RefusalCase{"WidthZero", sliderSL1({"--width", "0"}), "must be a number other than 0"},
        RefusalCase{"NameEmpty", sliderSL1({"--name", ""}), "--name must not be empty"},
        RefusalCase{"TooManyCycles", sliderSL1({"--count", "100001"}), "The number of cycles must be at most 100000."},
        RefusalCase{"FingerWidthNotFinite",
                    {"button", "--count", "0.5", "--length", "0.5", "--gap", "0.02", "--width", "0.5", "--name", "B"},
                    "is not a finite number"},
        RefusalCase{"MissingOption", {"slider", "--count", "4"}, "is required"},
        RefusalCase{"UnknownOption", sliderSL1({"--colour", "red"}), "--colour"},
        RefusalCase{"NoKind", {"--count", "4"}, "velmora-gen"},
        RefusalCase{"OutputAndAppend", sliderSL1({"--append", "a.txt", "--output", "b.txt"}), "excludes"}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(VelmoraGenTest, OutputReplacesAnExistingFileWholly)
{
    TempFolder folder;
    const std::string path = folder.file("lib.txt");
    writeFile(path, std::string(5000, 'x'));
    const ProgramRun run = gen(sliderSL1({"--output", path}));
    EXPECT_EQ(run.exitStatus, 0) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(readFile(path), kSliderSL1);
    EXPECT_EQ(folder.names(), std::vector<std::string>{"lib.txt"});
}

TEST(VelmoraGenTest, AppendBuildsALibraryOfPartTypes)
{
    TempFolder folder;
    const std::string path = folder.file("lib.txt");
    writeFile(path, "Type OLD {\n}"); // no final line feed
    ASSERT_EQ(gen(sliderSL1({"--append", path})).exitStatus, 0);
    ASSERT_EQ(gen({"button", "--count", "4", "--length", "0.5", "--gap", "0.02", "--width", "0.5", "--name", "BT1",
                   "--append", path})
                  .exitStatus,
              0);
    EXPECT_EQ(readFile(path), std::string("Type OLD {\n}\n") + kSliderSL1 + kButtonBT1);
}

struct IoFailureCase {
    const char* label;
    const char* option;
    const char* target; // relative to the folder unless absolute; "dir" is a folder
    const char* message;
};
inline void PrintTo(const IoFailureCase& c, std::ostream* os) { *os << c.label; }


class IoFailureTest : public testing::TestWithParam<IoFailureCase> {};

TEST_P(IoFailureTest, NamesTheFileAndTheReasonWithStatusOne)
{
    TempFolder folder;
    fs::create_directory(folder.path() / "dir");
    const std::string target = GetParam().target[0] == '/' ? GetParam().target : folder.file(GetParam().target);
    const ProgramRun run = gen(sliderSL1({GetParam().option, target}));
    EXPECT_EQ(run.exitStatus, 1);
    EXPECT_NE(run.err.find(target), std::string::npos) << run.err;
    EXPECT_NE(run.err.find(GetParam().message), std::string::npos) << run.err;
    EXPECT_EQ(folder.names(), std::vector<std::string>{"dir"});
}

INSTANTIATE_TEST_SUITE_P(Targets, IoFailureTest,
    testing::Values(IoFailureCase{"OutputInMissingFolder", "--output", "missing/out.txt", "cannot create"},
                    IoFailureCase{"OutputOverAFolder", "--output", "dir", "Is a directory"},
                    IoFailureCase{"AppendToAFolder", "--append", "dir", "cannot open for appending"},
                    IoFailureCase{"OutputToFullDevice", "--output", "/dev/full", "No space left on device"},
                    IoFailureCase{"AppendToFullDevice", "--append", "/dev/full", "No space left on device"}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(VelmoraGenTest, FullStandardOutputIsAFailure)
{
    const ProgramRun run = gen(sliderSL1(), {.stdoutFile = "/dev/full", .fileSizeLimit = {}});
    EXPECT_EQ(run.exitStatus, 1);
    EXPECT_NE(run.err.find("cannot write to standard output"), std::string::npos) << run.err;
}

TEST(VelmoraGenTest, AppendCutShortByTheFileSizeLimitLeavesTheLibraryIntact)
{
    TempFolder folder;
    const std::string path = folder.file("lib.txt");
    const std::string old = std::string(kButtonBT1) + "Type OLD {\n}\n";
    writeFile(path, old);
    const ProgramRun run = gen(sliderSL1({"--count", "200", "--append", path}), {.stdoutFile = {}, .fileSizeLimit = old.size() + 64});
    EXPECT_EQ(run.exitStatus, 1);
    EXPECT_NE(run.err.find("cannot write"), std::string::npos) << run.err;
    EXPECT_EQ(readFile(path), old);
}

TEST(VelmoraGenTest, HelpAndVersion)
{
    const ProgramRun help = gen({"--help"});
    EXPECT_EQ(help.exitStatus, 0);
    EXPECT_NE(help.out.find("Example:"), std::string::npos);
    const ProgramRun version = gen({"--version"});
    EXPECT_EQ(version.exitStatus, 0);
    EXPECT_NE(version.out.find("velmora-gen "), std::string::npos);
}
