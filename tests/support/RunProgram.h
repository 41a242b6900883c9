#pragma once

#include <optional>
#include <string>
#include <vector>

#include <sys/resource.h>

// Runs a program to its end with captured output, for end-to-end tests.
namespace velmora::test {

struct ProgramRun {
    int exitStatus = -1; // -1 when it did not exit normally
    std::string out;     // standard output, unless it went to a file
    std::string err;
};

struct RunOptions {
    std::optional<std::string> stdoutFile; // send standard output here instead
    std::optional<rlim_t> fileSizeLimit;   // RLIMIT_FSIZE for the child
};

ProgramRun runProgram(const std::string& program, const std::vector<std::string>& arguments,
                      const RunOptions& options = {});

} // namespace velmora::test
