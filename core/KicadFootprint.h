#pragma once

#include "PartType.h"

#include <string>
#include <string_view>

namespace velmora {

// Why `name` cannot name a footprint (it becomes both the footprint's name
// and its file name in a library folder), or empty when it can: it must be
// non-empty UTF-8 without control characters, without / \ : " < > * ? | and
// without spaces at either end.
std::string footprintNameProblem(std::string_view name);

// The part type as a footprint file (.kicad_mod, s-expression, readable by
// KiCad 6 and later). Every pin is an SMD rectangle on the front copper only:
// touch electrodes stay under solder mask, so no mask opening and no paste.
// Lengths are the written thousandths converted exactly to millimetres, with
// y pointing down. Throws GenerationError for a name that cannot name a
// footprint or a pattern that cannot be drawn (see requireDrawablePattern).
std::string kicadFootprint(const PartType& part);

} // namespace velmora
