#pragma once

#include "EnteredDesign.h"
#include "PartType.h"

#include <string>

namespace velmora {

// The fill colours of the two electrodes (see electrodeOf).
inline constexpr const char* kElectrodeColours[2] = {"#e8590c", "#1c7ed6"};

// A self-contained SVG preview of the written part, drawn to scale in
// thousandths of an inch (y pointing down, as on a screen): every pad in
// place, filled with its electrode's colour, its pin number beside it, the
// overall length and width dimensioned in the entered unit and in
// thousandths, and a title with the name and the entries. Throws
// GenerationError for a pattern that cannot be drawn.
std::string svgPreview(const PartType& part, const EnteredDesign& entered);

} // namespace velmora
