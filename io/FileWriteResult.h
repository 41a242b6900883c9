#pragma once

#include <string>

namespace velmora {

// The outcome of writing a part type to a file.
struct FileWriteResult {
    enum class Status {
        Written,      // every byte reached the file
        NotOpened,    // the file could not be created or opened
        NotWritten,   // opened, but writing, flushing or closing failed; the file is as it was
    };
    Status status = Status::Written;
    std::string path;   // the file as the caller named it
    std::string reason; // the system's reason, empty when written

    bool ok() const { return status == Status::Written; }
    // "<path>: <reason>", for messages.
    std::string describe() const { return path + ": " + reason; }
};

} // namespace velmora
