#include "CommandLine.h"

#include "DesignReport.h"
#include "ExitStatus.h"
#include "GenerationError.h"
#include "NumberReading.h"
#include "OutputFormat.h"
#include "ParamsFile.h"
#include "PartGeneration.h"
#include "SafeFileWriter.h"

#include <CLI/CLI.hpp>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <map>
#include <regex>
#include <vector>

#ifndef VELMORA_VERSION
#define VELMORA_VERSION "0"
#endif

namespace velmora::cli {

namespace {

constexpr const char* kProgram = "velmora-gen";

struct Options {
    PartRequest request;
    std::string output;
    std::string append;
    std::string format = "quarlin";
    bool report = false;
    bool strict = false;
    std::string minimumGap; // entered unit; empty: the default
    std::string params;
};

// The manufacturing minimum when --min-gap is not given: 6 thousandths of an
// inch, a common board-house limit, whatever the entered unit.
constexpr double kDefaultMinimumGap = 6.0;

// The part was written, but the report found an error, or a warning under
// --strict: a build pipeline can gate on it.
constexpr int kDesignRulesFailed = 3;

void addReportOptions(CLI::App& command, Options& options)
{
    command.add_flag("--report", options.report,
                     "Print a design-rule report of the written numbers to standard error");
    command.add_flag("--strict", options.strict,
                     "Report, and exit with status 3 on any warning (errors always give 3)");
    command.add_option("--min-gap", options.minimumGap,
                       "Smallest copper gap the board house makes, in the entered unit (default 0.006 in)")
        ->type_name("G");
}

void addPartOptions(CLI::App& command, Options& options)
{
    EntryTexts& t = options.request.texts;
    command.add_option("--count", t.count, "Number of cycles (slider) or of fingers of each contact (button)")
        ->required()->type_name("N");
    command.add_option("--length", t.length, "Overall length of the slider, or width of the button (L)")
        ->required()->type_name("L");
    command.add_option("--gap", t.gap, "Gap between pads or fingers (g)")->required()->type_name("G");
    command.add_option("--width", t.width, "Width of the slider, or height of the button (W)")
        ->required()->type_name("W");
    command.add_option("--name", t.name, "Name of the part type")->required()->type_name("NAME");
    command.add_flag("--mm", options.request.millimetres, "Lengths are in millimetres (default: inches)");
    auto* output = command.add_option("--output", options.output, "Write the part type as the whole file, replacing it")
                       ->type_name("FILE");
    auto* append = command.add_option("--append", options.append, "Add the part type at the end of FILE")
                       ->type_name("FILE");
    output->excludes(append);
    command.add_option("--format", options.format, "Output format: quarlin (default), kicad (.kicad_mod) or svg")
        ->type_name("FORMAT")
        ->check(CLI::IsMember({"quarlin", "kicad", "svg"}));
    addReportOptions(command, options);
    // As with most tools, a repeated option takes its last value, so a
    // script can override a default it put earlier on the line.
    for (CLI::Option* option : command.get_options())
        option->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
}

int writeToStandardOutput(const std::string& text)
{
    if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() || std::fflush(stdout) != 0) {
        std::cerr << kProgram << ": cannot write to standard output: " << std::strerror(errno) << '\n';
        return kIoFailure;
    }
    return kSuccess;
}

int writeToFile(const std::string& text, const Options& options)
{
    const bool appending = !options.append.empty();
    const FileWriteResult result = appending ? SafeFileWriter::append(options.append, text)
                                             : SafeFileWriter::save(options.output, text);
    if (result.ok())
        return kSuccess;
    const char* what = result.status == FileWriteResult::Status::NotOpened
                           ? (appending ? "cannot open for appending" : "cannot create")
                           : "cannot write";
    std::cerr << kProgram << ": " << what << " " << result.describe() << " (the file is unchanged)\n";
    return kIoFailure;
}

// The manufacturing minimum in thousandths of an inch. --min-gap takes a
// plain number (no trailing text, not negative) in the entered unit.
bool minimumGapThousandths(const std::string& text, double unitConversion, double& thousandths)
{
    if (text.empty()) {
        thousandths = kDefaultMinimumGap;
        return true;
    }
    static const std::regex kPlainNumber(R"(\+?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?)");
    if (!std::regex_match(text, kPlainNumber)) {
        std::cerr << kProgram << ": --min-gap must be a number of 0 or more, not \"" << text << "\"\n";
        return false;
    }
    thousandths = 1000.0 * (readNumber(text) * unitConversion);
    return true;
}

EnteredDesign enteredDesign(const PartRequest& request)
{
    return {request.kind, request.texts, request.millimetres};
}

// Prints the report and gives the exit status it calls for.
int printReport(const PartType& part, const PartRequest& request, double minimumGap, bool strict,
                const std::string& heading)
{
    const std::vector<ReportLine> lines = designReport(part, enteredDesign(request), {minimumGap});
    if (!heading.empty())
        std::cerr << heading << '\n';
    std::cerr << reportText(lines);
    const bool fails = hasLevel(lines, ReportLevel::Error) || (strict && hasLevel(lines, ReportLevel::Warning));
    return fails ? kDesignRulesFailed : kSuccess;
}

int generate(const Options& options)
{
    const PartRequest& request = options.request;
    const OutputFormat format = outputFormatNamed(options.format).value_or(OutputFormat::Quarlin);
    if (format != OutputFormat::Quarlin && !options.append.empty()) {
        std::cerr << kProgram << ": --append works only with the quarlin format; a " << options.format
                  << " file holds one part type\n";
        return kRefused;
    }
    const bool report = options.report || options.strict;
    double minimumGap = 0.0;
    if (!minimumGapThousandths(options.minimumGap, request.unitConversion(), minimumGap))
        return kRefused;

    if (!report) {
        for (const std::string& warning : entryWarnings(request))
            std::cerr << kProgram << ": warning: " << warning << '\n';
    }
    if (const std::string reason = refusalReason(request); !reason.empty()) {
        std::cerr << kProgram << ": " << reason << '\n';
        return kRefused;
    }

    PartType part;
    std::string text;
    try {
        part = generatePart(request);
        text = renderPart(part, enteredDesign(request), format);
    } catch (const GenerationError& error) {
        std::cerr << kProgram << ": " << error.what() << '\n';
        return kRefused;
    }

    const int reportStatus = report ? printReport(part, request, minimumGap, options.strict, {}) : kSuccess;
    const int writeStatus = options.output.empty() && options.append.empty() ? writeToStandardOutput(text)
                                                                             : writeToFile(text, options);
    return writeStatus != kSuccess ? writeStatus : reportStatus;
}

// Every part type of a parameters file is generated before anything is
// written, so a bad entry leaves every output file as it was.
int generateFromParams(const Options& options)
{
    ParamsFile file;
    try {
        file = readParamsFile(options.params);
    } catch (const ParamsError& error) {
        std::cerr << kProgram << ": " << error.what() << '\n';
        return kRefused;
    }

    const bool report = options.report || options.strict;
    std::string library;
    std::vector<std::pair<std::string, std::string>> files; // in the order of first mention
    std::map<std::string, std::size_t> fileIndex;
    int reportStatus = kSuccess;
    for (std::size_t i = 0; i < file.entries.size(); ++i) {
        const ParamsEntry& entry = file.entries[i];
        const std::string place = options.params + ": parts[" + std::to_string(i) + "] (" + entry.request.texts.name + ")";
        double minimumGap = 0.0;
        if (!minimumGapThousandths(options.minimumGap, entry.request.unitConversion(), minimumGap))
            return kRefused;
        if (!report) {
            for (const std::string& warning : entryWarnings(entry.request))
                std::cerr << kProgram << ": warning: " << place << ": " << warning << '\n';
        }
        if (const std::string reason = refusalReason(entry.request); !reason.empty()) {
            std::cerr << kProgram << ": " << place << ": " << reason << '\n';
            return kRefused;
        }
        PartType part;
        std::string text;
        try {
            part = generatePart(entry.request);
            text = renderPart(part, enteredDesign(entry.request), entry.format);
        } catch (const GenerationError& error) {
            std::cerr << kProgram << ": " << place << ": " << error.what() << '\n';
            return kRefused;
        }
        if (report && printReport(part, entry.request, minimumGap, options.strict, place + ":") != kSuccess)
            reportStatus = kDesignRulesFailed;
        if (entry.output.empty()) {
            library += text;
        } else {
            const auto [it, added] = fileIndex.emplace(entry.output, files.size());
            if (added)
                files.emplace_back(entry.output, std::string());
            files[it->second].second += text;
        }
    }

    for (const auto& [path, content] : files) {
        const FileWriteResult result = SafeFileWriter::save(path, content);
        if (!result.ok()) {
            std::cerr << kProgram << ": cannot write " << result.describe() << " (the file is unchanged)\n";
            return kIoFailure;
        }
    }
    if (!library.empty()) {
        Options target = options;
        if (target.output.empty() && target.append.empty())
            target.output = file.libraryOutput;
        const int status = target.output.empty() && target.append.empty() ? writeToStandardOutput(library)
                                                                           : writeToFile(library, target);
        if (status != kSuccess)
            return status;
    }
    return reportStatus;
}

} // namespace

int runCommandLine(int argc, char** argv)
{
    CLI::App app{"Writes a capacitive-touch slider or button as a Quarlin component part type.", kProgram};
    app.set_version_flag("--version", std::string(kProgram) + " " + VELMORA_VERSION);
    app.require_subcommand(0, 1);
    app.footer("Example:\n"
               "  velmora-gen slider --count 4 --length 1 --gap 0.02 --width 0.5 --name SL1 --output SL1.txt\n"
               "  velmora-gen button --count 4 --length 12.7 --gap 0.5 --width 12.7 --name BT2 --mm --append parts.txt\n"
               "  velmora-gen slider --count 4 --length 1 --gap 0.02 --width 0.5 --name SL1 --format kicad --output SL1.kicad_mod\n"
               "  velmora-gen button --count 4 --length 0.5 --gap 0.02 --width 0.5 --name BT1 --report --strict\n"
               "  velmora-gen --params parts.json --output library.txt\n\n"
               "Values are read as the window reads its fields. The report goes to standard error.\n"
               "Exit status: 0 written, 1 file or output could not be written, 2 bad usage or values\n"
               "that cannot be written, 3 written but the report found an error (or, with --strict,\n"
               "a warning).\n");

    Options options;
    CLI::App* slider = app.add_subcommand("slider", "A row of 2N pads in N cycles");
    CLI::App* button = app.add_subcommand("button", "Two interleaved combs of N fingers");
    addPartOptions(*slider, options);
    addPartOptions(*button, options);
    app.add_option("--params", options.params,
                   "Write the part types listed in a JSON file (use instead of slider/button)")
        ->type_name("FILE");
    auto* libraryOutput = app.add_option("--output", options.output,
                                         "With --params: the Quarlin library file for entries without \"output\"")
                              ->type_name("FILE");
    auto* libraryAppend = app.add_option("--append", options.append,
                                         "With --params: add those entries at the end of FILE")
                              ->type_name("FILE");
    libraryOutput->excludes(libraryAppend);
    addReportOptions(app, options);

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForAllHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForVersion& e) {
        return app.exit(e);
    } catch (const CLI::ParseError& e) {
        std::cerr << kProgram << ": " << e.what() << "\nRun '" << kProgram << " --help' for usage.\n";
        return kRefused;
    }

    const bool part = slider->parsed() || button->parsed();
    if (part == !options.params.empty()) {
        std::cerr << kProgram << ": give either the slider or button command, or --params FILE\nRun '" << kProgram
                  << " --help' for usage.\n";
        return kRefused;
    }
    if (!part)
        return generateFromParams(options);
    options.request.kind = slider->parsed() ? PartKind::Slider : PartKind::Button;
    return generate(options);
}

} // namespace velmora::cli
