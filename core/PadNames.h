#pragma once

#include <cstdint>
#include <string>

namespace velmora {

// The name of pad shape `position` (1-based): A to Z, then AA, AB, ..., AZ,
// BA, ... like spreadsheet columns, so every pad shape has a name of its own.
std::string padName(std::int64_t position);
void appendPadName(std::string& out, std::int64_t position);

} // namespace velmora
