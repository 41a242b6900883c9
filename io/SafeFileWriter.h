#pragma once

#include "FileWriteResult.h"

#include <string>
#include <string_view>

namespace velmora {

// Writes part types into the user's files without ever damaging them.
// Shared by the window and the command-line tool.
class SafeFileWriter {
public:
    // Replaces the file's whole content with `bytes`, atomically: the data go
    // to a temporary file in the same folder, which is renamed over the
    // target only once everything is written and flushed. On failure the old
    // file is untouched and no temporary file is left. An existing file keeps
    // its permissions; a symbolic link is followed and its target replaced.
    // A target that is not a regular file (a device, a pipe) is written
    // directly, since it cannot be replaced.
    static FileWriteResult save(const std::string& path, std::string_view bytes);

    // Adds `bytes` after the last byte of an existing file. When the file is
    // not empty and does not end with a line feed, one line feed goes first so
    // the new block starts on a line of its own; no existing byte changes. If
    // writing fails, the file is truncated back to its old size.
    static FileWriteResult append(const std::string& path, std::string_view bytes);
};

} // namespace velmora
