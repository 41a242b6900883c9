#pragma once

namespace velmora::cli {

// Exit statuses of velmora-gen, for scripts to act on.
enum ExitStatus : int {
    kSuccess = 0,
    kIoFailure = 1, // a file or standard output could not be written
    kRefused = 2,   // bad usage, or parameters the window would not allow
};

} // namespace velmora::cli
