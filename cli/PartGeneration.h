#pragma once

#include "ComponentText.h"
#include "PartRequest.h"

#include <ostream>
#include <string>
#include <vector>

namespace velmora::cli {

// The warnings the window shows for these entries, one line each.
std::vector<std::string> entryWarnings(const PartRequest& request);

// Why the window would not let these entries be written, or empty when it
// would: the first number that reads as 0, or an empty name.
std::string refusalReason(const PartRequest& request);

// The part type as data, read from the entries by the window's rules.
// Throws GenerationError when the generator refuses the parameters.
PartType generatePart(const PartRequest& request);

} // namespace velmora::cli
