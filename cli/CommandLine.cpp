#include "CommandLine.h"

#include "ExitStatus.h"
#include "GenerationError.h"
#include "PartGeneration.h"
#include "SafeFileWriter.h"

#include <CLI/CLI.hpp>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>

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
};

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

int generate(const Options& options)
{
    const PartRequest& request = options.request;
    for (const std::string& warning : entryWarnings(request))
        std::cerr << kProgram << ": warning: " << warning << '\n';
    if (const std::string reason = refusalReason(request); !reason.empty()) {
        std::cerr << kProgram << ": " << reason << '\n';
        return kRefused;
    }

    std::string text;
    try {
        text = quarlinText(generatePart(request));
    } catch (const GenerationError& error) {
        std::cerr << kProgram << ": " << error.what() << '\n';
        return kRefused;
    }

    if (options.output.empty() && options.append.empty())
        return writeToStandardOutput(text);
    return writeToFile(text, options);
}

} // namespace

int runCommandLine(int argc, char** argv)
{
    CLI::App app{"Writes a capacitive-touch slider or button as a Quarlin component part type.", kProgram};
    app.set_version_flag("--version", std::string(kProgram) + " " + VELMORA_VERSION);
    app.require_subcommand(1);
    app.footer("Example:\n"
               "  velmora-gen slider --count 4 --length 1 --gap 0.02 --width 0.5 --name SL1 --output SL1.txt\n"
               "  velmora-gen button --count 4 --length 12.7 --gap 0.5 --width 12.7 --name BT2 --mm --append parts.txt\n\n"
               "Values are read as the window reads its fields. Exit status: 0 written, 1 file or output\n"
               "could not be written, 2 bad usage or values the window would not allow.\n");

    Options options;
    CLI::App* slider = app.add_subcommand("slider", "A row of 2N pads in N cycles");
    CLI::App* button = app.add_subcommand("button", "Two interleaved combs of N fingers");
    addPartOptions(*slider, options);
    addPartOptions(*button, options);

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

    options.request.kind = slider->parsed() ? PartKind::Slider : PartKind::Button;
    return generate(options);
}

} // namespace velmora::cli
