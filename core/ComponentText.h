#pragma once

#include "PartType.h"

#include <string>

namespace velmora {

// The text of one part type in the Quarlin component format: lines each
// ending in a line feed, from the Type line to the closing "}".
using ComponentText = std::string;

// Writes a part type as Quarlin component text, in one pre-sized buffer.
ComponentText quarlinText(const PartType& part);

} // namespace velmora
