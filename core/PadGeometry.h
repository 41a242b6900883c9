#pragma once

#include "PartType.h"

#include <cstddef>

namespace velmora {

// The copper of one placed pin as an axis-aligned rectangle, in the part's
// own coordinates (y up), thousandths of an inch. Edges are whole or half
// thousandths, so they stay exact in doubles.
struct PadRect {
    double left = 0.0;
    double right = 0.0;
    double bottom = 0.0;
    double top = 0.0;
};

PadRect padRect(const PartType& part, const PlacedPin& pin);

// The smallest rectangle holding every placed pad; all zero without pins.
PadRect copperBounds(const PartType& part);

// Which of the two sensing electrodes a pin belongs to (0 or 1): the slider
// interleaves odd and even pins, the button has pins 1 and 2.
int electrodeOf(const PartType& part, const PlacedPin& pin);

// Footprints and previews are drawings of real copper: they need every pad
// shape to have a positive size and the pattern to fit within a board that
// layout programs can hold (no edge beyond kMaxDrawingExtent from the
// centre). Throws GenerationError with a message for the user otherwise.
inline constexpr double kMaxDrawingExtent = 39370.0; // thousandths: 1 m
void requireDrawablePattern(const PartType& part);

} // namespace velmora
