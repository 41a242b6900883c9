#include "KicadFootprint.h"

#include "GenerationError.h"
#include "MillimetreText.h"
#include "PadGeometry.h"
#include "Utf8.h"

#include <string>

namespace velmora {

namespace {

// Thousandths in the part's y-up coordinates to footprint millimetres.
std::string mmX(double thousandths) { return millimetreText(thousandths); }
std::string mmY(double thousandths) { return millimetreText(-thousandths); }

void appendLine(std::string& out, const std::string& layer, const char* width, double x1, double y1, double x2,
                double y2)
{
    out += "  (fp_line (start " + mmX(x1) + " " + mmY(y1) + ") (end " + mmX(x2) + " " + mmY(y2) + ") (layer \"" +
           layer + "\") (width " + width + "))\n";
}

void appendRectangle(std::string& out, const std::string& layer, const char* width, const PadRect& r)
{
    appendLine(out, layer, width, r.left, r.top, r.right, r.top);
    appendLine(out, layer, width, r.right, r.top, r.right, r.bottom);
    appendLine(out, layer, width, r.right, r.bottom, r.left, r.bottom);
    appendLine(out, layer, width, r.left, r.bottom, r.left, r.top);
}

// Courtyard clearance around the copper: 10 thousandths (0.254 mm), about
// the usual quarter millimetre but exact in both units.
constexpr double kCourtyardMargin = 10.0;
// Reference and value texts sit this far outside the copper.
constexpr double kTextOffset = 60.0;

} // namespace

std::string footprintNameProblem(std::string_view name)
{
    if (name.empty())
        return "the name is empty";
    if (name.front() == ' ' || name.back() == ' ')
        return "the name begins or ends with a space";
    for (std::size_t pos = 0; pos < name.size();) {
        const std::size_t length = utf8SequenceLength(name, pos);
        if (length == 0)
            return "the name is not valid UTF-8";
        const unsigned char c = static_cast<unsigned char>(name[pos]);
        if (c < 0x20 || c == 0x7F)
            return "the name holds a control character";
        if (std::string_view("/\\:\"<>*?|").find(static_cast<char>(c)) != std::string_view::npos)
            return std::string("the name holds the character ") + static_cast<char>(c);
        pos += length;
    }
    return {};
}

std::string kicadFootprint(const PartType& part)
{
    if (const std::string problem = footprintNameProblem(part.name); !problem.empty())
        throw GenerationError("The part type cannot be a footprint: " + problem +
                              ". Footprint names must not hold / \\ : \" < > * ? | or control characters.");
    requireDrawablePattern(part);

    const PadRect copper = copperBounds(part);
    const PadRect courtyard{copper.left - kCourtyardMargin, copper.right + kCourtyardMargin,
                            copper.bottom - kCourtyardMargin, copper.top + kCourtyardMargin};
    const bool slider = part.kind == PartKind::Slider;

    std::string out;
    out.reserve(1024 + part.pins.size() * 80);
    out += "(footprint \"" + part.name + "\" (version 20211014) (generator velmora-gen)\n";
    out += "  (layer \"F.Cu\")\n";
    out += slider ? "  (descr \"Capacitive touch slider, " + std::to_string(part.pins.size()) + " pads\")\n"
                  : "  (descr \"Capacitive touch button, two interleaved combs\")\n";
    out += slider ? "  (tags \"capacitive touch slider\")\n" : "  (tags \"capacitive touch button\")\n";
    out += "  (attr smd)\n";
    out += "  (fp_text reference \"REF**\" (at 0 " + mmY(copper.top + kTextOffset) + ") (layer \"F.SilkS\")\n"
           "    (effects (font (size 1 1) (thickness 0.15)))\n  )\n";
    out += "  (fp_text value \"" + part.name + "\" (at 0 " + mmY(copper.bottom - kTextOffset) +
           ") (layer \"F.Fab\")\n"
           "    (effects (font (size 1 1) (thickness 0.15)))\n  )\n";
    appendRectangle(out, "F.Fab", "0.1", copper);
    appendRectangle(out, "F.CrtYd", "0.05", courtyard);

    for (const PlacedPin& pin : part.pins) {
        const PadShape& shape = part.pads[static_cast<std::size_t>(pin.pad) - 1];
        out += "  (pad \"" + std::to_string(pin.number) + "\" smd rect (at " + mmX(pin.x) + " " + mmY(pin.y) +
               ") (size " + millimetreText(shape.width) + " " + millimetreText(shape.height) +
               ") (layers \"F.Cu\"))\n";
    }
    out += ")\n";
    return out;
}

} // namespace velmora
