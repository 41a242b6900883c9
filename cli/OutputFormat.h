#pragma once

#include "EnteredDesign.h"
#include "PartType.h"

#include <optional>
#include <string>
#include <string_view>

namespace velmora::cli {

// The file formats velmora-gen writes a part type in.
enum class OutputFormat { Quarlin, Kicad, Svg };

// "quarlin", "kicad", "svg"; nothing for any other text.
std::optional<OutputFormat> outputFormatNamed(std::string_view name);

// The part type in `format`. Throws GenerationError when the format cannot
// hold this part (a name a footprint cannot have, a pad without area).
std::string renderPart(const PartType& part, const EnteredDesign& entered, OutputFormat format);

} // namespace velmora::cli
