#pragma once

#include "ComponentText.h"
#include "DesignParameters.h"
#include "PartType.h"

namespace velmora {

// The button part type: two interleaved combs of N fingers, pad A a finger
// and pad B a bar. Throws GenerationError for more than kMaxCount fingers or
// a number that is not finite (a count that reads as 0, for one).
PartType buttonPartType(const ButtonParameters& parameters);

// The button part type as Quarlin component text.
ComponentText ButtonComponentText(const ButtonParameters& parameters);

} // namespace velmora
