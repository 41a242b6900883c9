#pragma once

namespace velmora::cli {

// Runs velmora-gen on its arguments and returns the exit status.
int runCommandLine(int argc, char** argv);

} // namespace velmora::cli
