#pragma once

#include <cstdint>
#include <string>

namespace velmora {

// Exact decimal text of lengths given in thousandths of an inch. One
// thousandth is exactly 0.0254 mm, so every whole or half thousandth has a
// finite decimal in millimetres; it is computed on the decimal digits, never
// through a binary fraction, so no rounding noise can appear ("12.319",
// "-12.2936", "0" for zero). Trailing zeros and a trailing point are dropped.

// `thousandths` must be finite and a multiple of one half.
std::string millimetreText(double thousandths);

// Inches from thousandths: `thousandths` / 1000, exactly; same domain.
std::string inchText(double thousandths);

// Square millimetres from square thousandths (1 = 0.00064516 mm2);
// `squareThousandths` must be finite and a multiple of one quarter.
std::string squareMillimetreText(double squareThousandths);

// Thousandths as text: whole or with ".5"/".25"/".75"; same domain as the
// area above.
std::string thousandthText(double thousandths);

} // namespace velmora
