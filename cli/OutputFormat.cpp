#include "OutputFormat.h"

#include "ComponentText.h"
#include "KicadFootprint.h"
#include "SvgPreview.h"

namespace velmora::cli {

std::optional<OutputFormat> outputFormatNamed(std::string_view name)
{
    if (name == "quarlin")
        return OutputFormat::Quarlin;
    if (name == "kicad")
        return OutputFormat::Kicad;
    if (name == "svg")
        return OutputFormat::Svg;
    return std::nullopt;
}

std::string renderPart(const PartType& part, const EnteredDesign& entered, OutputFormat format)
{
    switch (format) {
    case OutputFormat::Kicad:
        return kicadFootprint(part);
    case OutputFormat::Svg:
        return svgPreview(part, entered);
    case OutputFormat::Quarlin:
        break;
    }
    return quarlinText(part);
}

} // namespace velmora::cli
