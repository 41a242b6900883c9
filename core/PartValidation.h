#pragma once

#include "PartType.h"

#include <cstdint>
#include <string_view>

namespace velmora {

// Throws GenerationError when `count` is above kMaxCount; `what` names the
// count for the user ("cycles", "fingers").
void requireCountWithinBound(std::int32_t count, std::string_view what);

// Throws GenerationError when any number of the part is not finite, naming
// the first such number.
void requireFiniteNumbers(const PartType& part);

} // namespace velmora
