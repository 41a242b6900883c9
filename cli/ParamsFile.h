#pragma once

#include "OutputFormat.h"
#include "PartRequest.h"

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::cli {

// A parameters file that cannot be used; the message names the file and,
// for a bad entry, its place ("parts.json: parts[2]: ...").
class ParamsError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct ParamsEntry {
    PartRequest request;
    OutputFormat format = OutputFormat::Quarlin;
    std::string output; // empty: the part goes into the Quarlin library
};

// Several part types from one JSON file:
//   { "output": "library.txt",
//     "parts": [ { "kind": "slider", "count": 4, "length": "1", "gap": 0.02,
//                  "width": 0.5, "name": "SL1", "unit": "in",
//                  "format": "kicad", "output": "SL1.kicad_mod" }, ... ] }
// count, length, gap and width are texts read as the window reads its
// fields; a JSON number stands for its shortest decimal text. unit is "in"
// (default) or "mm", format "quarlin" (default), "kicad" or "svg". Relative
// output paths are taken from the parameters file's folder, so a file
// gives the same result from any working directory.
struct ParamsFile {
    std::vector<ParamsEntry> entries;
    std::string libraryOutput; // the file-level "output", empty when absent
};

// Parses `json`; `fileName` names the file in messages and gives the folder
// for relative paths. Throws ParamsError.
ParamsFile parseParams(std::string_view json, const std::string& fileName);

// Reads and parses the file. Throws ParamsError, also when unreadable.
ParamsFile readParamsFile(const std::string& fileName);

// The text the window's field would hold for a JSON number.
std::string numberFieldText(double value);

} // namespace velmora::cli
