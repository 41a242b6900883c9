#include "DesignReport.h"

#include "InputChecks.h"
#include "MillimetreText.h"
#include "PadGeometry.h"
#include "PadNames.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <numeric>
#include <optional>

namespace velmora {

namespace {

// Trims a fixed-point text of its trailing zeros ("0.6000" to "0.6").
std::string rounded(double value, int decimals)
{
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    std::string text(buffer, result.ptr);
    if (text.find('.') != std::string::npos) {
        while (text.back() == '0')
            text.pop_back();
        if (text.back() == '.')
            text.pop_back();
    }
    return text == "-0" ? "0" : text;
}

// Written lengths lie on the quarter-thousandth grid and are given exactly;
// a limit or an entered gap off that grid is rounded to what a designer
// reads (a thousandth of a thousandth, a tenth of a micrometre).
std::string thou(double thousandths)
{
    if (std::floor(thousandths * 2.0) == thousandths * 2.0)
        return thousandthText(thousandths) + " thou (" + millimetreText(thousandths) + " mm)";
    return rounded(thousandths, 3) + " thou (" + rounded(thousandths * 0.0254, 4) + " mm)";
}

std::string pinPair(std::int32_t a, std::int32_t b)
{
    return "pins " + std::to_string(a) + " and " + std::to_string(b);
}

// Copper-to-copper distance of two rectangles: negative when they overlap
// (by that much along the shallower axis), 0 when they touch. Edges are
// exact halves, so the value is exact except for a diagonal corner distance.
double separation(const PadRect& a, const PadRect& b)
{
    const double dx = std::max(b.left - a.right, a.left - b.right);
    const double dy = std::max(b.bottom - a.top, a.bottom - b.top);
    if (dx > 0.0 && dy > 0.0)
        return std::hypot(dx, dy);
    return std::max(dx, dy);
}

// The worst case of one kind of finding and how many there are.
struct Tally {
    std::size_t count = 0;
    double worst = 0.0;
    std::string where;

    void add(double value, const std::string& place)
    {
        if (count++ == 0 || value < worst) {
            worst = value;
            where = place;
        }
    }
};

std::string countedIntro(std::size_t count, const std::string& one, const std::string& many)
{
    return count == 1 ? one : std::to_string(count) + " " + many;
}

struct Neighbours {
    std::int32_t pinA;
    std::int32_t pinB;
    double gap;
};

// Pairs of neighbouring pads of different pins whose copper gap matters. In a row of pads (slider pads, button fingers) each pad's nearest
// neighbour on the left is the earlier pad reaching furthest right, so one
// sweep in order of left edges finds every pair that can touch.
std::vector<Neighbours> neighbourPairs(const PartType& part)
{
    std::vector<Neighbours> pairs;
    std::vector<std::size_t> row;
    for (std::size_t i = 0; i < part.pins.size(); ++i) {
        if (part.kind == PartKind::Slider || part.pins[i].pad == 1)
            row.push_back(i);
    }
    std::stable_sort(row.begin(), row.end(), [&](std::size_t a, std::size_t b) {
        return padRect(part, part.pins[a]).left < padRect(part, part.pins[b]).left;
    });
    std::optional<std::size_t> reach;
    for (std::size_t i : row) {
        const PlacedPin& pin = part.pins[i];
        if (reach) {
            const PlacedPin& other = part.pins[*reach];
            if (pin.number != other.number) // pads of one pin may touch: same net
                pairs.push_back({std::min(other.number, pin.number), std::max(other.number, pin.number),
                                 separation(padRect(part, other), padRect(part, pin))});
        }
        if (!reach || padRect(part, pin).right > padRect(part, part.pins[*reach]).right)
            reach = i;
    }

    if (part.kind == PartKind::Button) {
        // Each finger against the other contact's bar, and the two bars.
        std::optional<std::size_t> bars[2];
        for (std::size_t i = 0; i < part.pins.size(); ++i) {
            if (part.pins[i].pad == 2)
                bars[electrodeOf(part, part.pins[i])] = i;
        }
        for (const PlacedPin& pin : part.pins) {
            const auto& bar = bars[1 - electrodeOf(part, pin)];
            if (pin.pad != 1 || !bar)
                continue;
            const PlacedPin& barPin = part.pins[*bar];
            pairs.push_back({std::min(pin.number, barPin.number), std::max(pin.number, barPin.number),
                             separation(padRect(part, pin), padRect(part, barPin))});
        }
        if (bars[0] && bars[1])
            pairs.push_back({1, 2, separation(padRect(part, part.pins[*bars[0]]), padRect(part, part.pins[*bars[1]]))});
    }
    return pairs;
}

// Below this, common touch-sensor guidance warns about gaps and widths.
constexpr double kGuidanceMinimum = 10.0;
// A sensor between these heights suits a fingertip (7 and 20 mm).
constexpr double kLowestHeightMm = 7.0;
constexpr double kHighestHeightMm = 20.0;

} // namespace

std::vector<ReportLine> designReport(const PartType& part, const EnteredDesign& entered, const ReportOptions& options)
{
    const bool slider = part.kind == PartKind::Slider;
    const std::string lessOrLonger = slider ? "use fewer cycles, a longer slider or a narrower gap"
                                            : "use fewer fingers, a wider button or a narrower gap";
    std::vector<ReportLine> errors;
    std::vector<ReportLine> warnings;
    std::vector<ReportLine> notes;

    // Pad shapes without area.
    Tally noArea;
    for (std::size_t i = 0; i < part.pads.size(); ++i) {
        const PadShape& shape = part.pads[i];
        if (!(shape.width > 0.0) || !(shape.height > 0.0))
            noArea.add(std::min(shape.width, shape.height),
                       "pad " + padName(static_cast<std::int64_t>(i) + 1) + " is " + thousandthText(shape.width) +
                           " by " + thousandthText(shape.height) + " thou (" + millimetreText(shape.width) + " by " +
                           millimetreText(shape.height) + " mm)");
    }
    if (noArea.count > 0)
        errors.push_back({ReportLevel::Error,
                          countedIntro(noArea.count, "a pad shape has", "pad shapes have") +
                              " a width or height of 0 or below: " + noArea.where,
                          slider ? lessOrLonger + " for the pad widths, and a positive width (W) for their height"
                                 : lessOrLonger + " for the finger width, and a height (W) above twice the gap"});

    // Copper gaps between neighbouring pads of different electrodes.
    const double enteredGap = 1000.0 * readLength(entered.texts.gap, entered.unitConversion());
    Tally overlapping;
    Tally belowMinimum;
    Tally belowGuidance;
    Tally narrowed;
    for (const Neighbours& pair : neighbourPairs(part)) {
        const std::string where = pinPair(pair.pinA, pair.pinB);
        if (pair.gap <= 0.0) {
            overlapping.add(pair.gap, where);
            continue;
        }
        if (pair.gap < options.minimumGap)
            belowMinimum.add(pair.gap, where);
        else if (pair.gap < kGuidanceMinimum)
            belowGuidance.add(pair.gap, where);
        if (pair.gap < enteredGap - 0.5)
            narrowed.add(pair.gap, where);
    }
    if (overlapping.count > 0)
        errors.push_back({ReportLevel::Error,
                          countedIntro(overlapping.count, "two pads", "pairs of pads") +
                              (overlapping.worst < 0.0 ? " overlap, most by " + thou(-overlapping.worst)
                                                       : std::string(" touch")) +
                              " (" + overlapping.where + ")",
                          "enter a positive gap of at least the manufacturing minimum"});
    if (belowMinimum.count > 0)
        errors.push_back({ReportLevel::Error,
                          countedIntro(belowMinimum.count, "a copper gap is", "copper gaps are") +
                              " below the manufacturing minimum of " + thou(options.minimumGap) + ": " +
                              thou(belowMinimum.worst) + " between " + belowMinimum.where,
                          "enter a gap of at least " + thou(std::ceil(options.minimumGap) + 1.0) +
                              ", or check the board house's limit (--min-gap)"});
    if (narrowed.count > 0)
        warnings.push_back({ReportLevel::Warning,
                            countedIntro(narrowed.count, "a written copper gap is", "written copper gaps are") +
                                " narrower than the entered " + thou(enteredGap) + " by more than half a thousandth: " +
                                thou(narrowed.worst) + " between " + narrowed.where,
                            "enter the gap slightly wider so that the rounded pads keep it"});
    if (belowGuidance.count > 0)
        warnings.push_back({ReportLevel::Warning,
                            countedIntro(belowGuidance.count, "an electrode gap is", "electrode gaps are") +
                                " below " + thou(kGuidanceMinimum) + ": " + thou(belowGuidance.worst) + " between " +
                                belowGuidance.where,
                            "widen the gap to " + thou(kGuidanceMinimum) + " or more"});

    // Narrow fingers or pads.
    Tally narrowPads;
    for (std::size_t i = 0; i < part.pads.size(); ++i) {
        if (!slider && i != 0)
            break; // the bars are as tall as the gap, covered above
        const double width = part.pads[i].width;
        if (width > 0.0 && width < kGuidanceMinimum)
            narrowPads.add(width, "pad " + padName(static_cast<std::int64_t>(i) + 1));
    }
    if (narrowPads.count > 0)
        warnings.push_back({ReportLevel::Warning,
                            countedIntro(narrowPads.count, slider ? "a pad is" : "the fingers are",
                                         "pads are") +
                                " narrower than " + thou(kGuidanceMinimum) + ": " + narrowPads.where + " is " +
                                thou(narrowPads.worst) + " wide",
                            lessOrLonger});

    if (slider && part.pads.size() < 3)
        warnings.push_back({ReportLevel::Warning,
                            "the slider has " + std::to_string(part.pads.size()) +
                                (part.pads.size() == 1 ? " cycle" : " cycles") +
                                "; with fewer than 3 a touch between pads cannot be placed well",
                            "use at least 3 cycles"});

    const PadRect bounds = copperBounds(part);
    const double height = bounds.top - bounds.bottom;
    if (!part.pins.empty() && (height * 254.0 < kLowestHeightMm * 10000.0 || height * 254.0 > kHighestHeightMm * 10000.0))
        warnings.push_back({ReportLevel::Warning,
                            std::string("the sensor is ") + thou(height) + " high, outside about 7 to 20 mm",
                            slider ? "make the slider's width (W) between 7 and 20 mm"
                                   : "make the button's height (W) between 7 and 20 mm"});

    // The window's own warnings on the entries.
    const CheckOutcome check = slider ? sliderCheck(entered.texts, entered.unitConversion())
                                      : buttonCheck(entered.texts, entered.unitConversion());
    if (check.narrowWarning)
        warnings.push_back({ReportLevel::Warning,
                            slider ? "the narrowest pad is narrower than the gap (window warning)"
                                   : "the fingers are narrower than the gap (window warning)",
                            lessOrLonger});
    if (check.badCharacter)
        warnings.push_back({ReportLevel::Warning,
                            "the name holds a space, comma, brace or apostrophe (window warning)",
                            "rename the part type without these characters"});
    if (check.gapTooSmall)
        warnings.push_back({ReportLevel::Warning, "the gap is below one thousandth of an inch (window warning)",
                            "enter a gap of at least " + thou(kGuidanceMinimum)});

    // Notes.
    if (slider && part.pins.size() >= 4) {
        double low = 0.0;
        double high = 0.0;
        for (std::size_t i = 2; i < part.pins.size(); i += 2) {
            const double pitch = padRect(part, part.pins[i]).left - padRect(part, part.pins[i - 2]).left;
            low = i == 2 ? pitch : std::min(low, pitch);
            high = i == 2 ? pitch : std::max(high, pitch);
        }
        notes.push_back({ReportLevel::Note,
                         "pitch (one cycle): " + (low == high ? thou(low) : thou(low) + " to " + thou(high)), {}});
    } else if (!slider) {
        std::vector<double> xs;
        for (const PlacedPin& pin : part.pins) {
            if (pin.pad == 1)
                xs.push_back(pin.x);
        }
        std::sort(xs.begin(), xs.end());
        if (xs.size() >= 2) {
            double low = xs[1] - xs[0];
            double high = low;
            for (std::size_t i = 2; i < xs.size(); ++i) {
                low = std::min(low, xs[i] - xs[i - 1]);
                high = std::max(high, xs[i] - xs[i - 1]);
            }
            notes.push_back({ReportLevel::Note,
                             "finger pitch (centre to centre): " + (low == high ? thou(low) : thou(low) + " to " + thou(high)),
                             {}});
        }
    }
    if (!part.pads.empty()) {
        std::size_t narrowest = 0;
        std::size_t widest = 0;
        for (std::size_t i = 1; i < part.pads.size(); ++i) {
            if (part.pads[i].width < part.pads[narrowest].width)
                narrowest = i;
            if (part.pads[i].width > part.pads[widest].width)
                widest = i;
        }
        const auto describe = [&](std::size_t i) {
            const PadShape& s = part.pads[i];
            return "pad " + padName(static_cast<std::int64_t>(i) + 1) + ", " + thousandthText(s.width) + " by " +
                   thousandthText(s.height) + " thou (" + millimetreText(s.width) + " by " + millimetreText(s.height) +
                   " mm)";
        };
        notes.push_back({ReportLevel::Note, "narrowest pad: " + describe(narrowest), {}});
        notes.push_back({ReportLevel::Note, "widest pad: " + describe(widest), {}});
    }
    if (!part.pins.empty() && noArea.count == 0) {
        // Each finger overlaps its own bar by design; that copper counts once.
        double area[2] = {0.0, 0.0};
        std::optional<PadRect> bars[2];
        for (const PlacedPin& pin : part.pins) {
            if (!slider && pin.pad == 2)
                bars[electrodeOf(part, pin)] = padRect(part, pin);
        }
        for (const PlacedPin& pin : part.pins) {
            const PadRect r = padRect(part, pin);
            const int e = electrodeOf(part, pin);
            area[e] += (r.right - r.left) * (r.top - r.bottom);
            if (!slider && pin.pad == 1 && bars[e]) {
                const double dx = std::min(r.right, bars[e]->right) - std::max(r.left, bars[e]->left);
                const double dy = std::min(r.top, bars[e]->top) - std::max(r.bottom, bars[e]->bottom);
                if (dx > 0.0 && dy > 0.0)
                    area[e] -= dx * dy;
            }
        }
        const char* names[2] = {slider ? "odd pins" : "pin 1", slider ? "even pins" : "pin 2"};
        for (int e = 0; e < 2; ++e)
            notes.push_back({ReportLevel::Note,
                             std::string("copper area of ") + names[e] + ": " + thousandthText(area[e]) +
                                 " square thou (" + squareMillimetreText(area[e]) + " mm2)",
                             {}});
    }

    std::vector<ReportLine> lines = std::move(errors);
    lines.insert(lines.end(), warnings.begin(), warnings.end());
    lines.insert(lines.end(), notes.begin(), notes.end());
    return lines;
}

std::string reportText(const std::vector<ReportLine>& lines)
{
    std::string text;
    for (const ReportLine& line : lines) {
        text += line.level == ReportLevel::Error ? "error: " : line.level == ReportLevel::Warning ? "warning: " : "note: ";
        text += line.message;
        if (!line.fix.empty())
            text += "; fix: " + line.fix;
        text += '\n';
    }
    return text;
}

bool hasLevel(const std::vector<ReportLine>& lines, ReportLevel level)
{
    return std::any_of(lines.begin(), lines.end(), [&](const ReportLine& l) { return l.level == level; });
}

} // namespace velmora
