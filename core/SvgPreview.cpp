#include "SvgPreview.h"

#include "MillimetreText.h"
#include "NumberReading.h"
#include "PadGeometry.h"
#include "Utf8.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <vector>

namespace velmora {

namespace {

// Coordinates are whole or half thousandths; layout offsets are rounded to
// hundredths so the file never carries binary noise.
std::string num(double value)
{
    value = std::round(value * 100.0) / 100.0;
    if (value == 0.0)
        return "0";
    char buffer[64];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 2);
    std::string text(buffer, result.ptr);
    while (text.back() == '0')
        text.pop_back();
    if (text.back() == '.')
        text.pop_back();
    return text;
}

// XML text: markup characters escaped; bytes that are not UTF-8 and
// characters XML cannot hold become U+FFFD, so any name gives a valid file.
std::string xmlText(const std::string& text)
{
    std::string out;
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t length = utf8SequenceLength(text, pos);
        if (length == 0) {
            out += "\xEF\xBF\xBD";
            ++pos;
            continue;
        }
        const char c = text[pos];
        const auto u = static_cast<unsigned char>(c);
        if (length == 1 && u < 0x20 && c != '\t')
            out += "\xEF\xBF\xBD";
        else if (c == '&')
            out += "&amp;";
        else if (c == '<')
            out += "&lt;";
        else if (c == '>')
            out += "&gt;";
        else if (c == '"')
            out += "&quot;";
        else if (c == '\'')
            out += "&apos;";
        else
            out.append(text, pos, length);
        pos += length;
    }
    return out;
}

std::string lengthText(double thousandths, bool millimetres)
{
    return (millimetres ? millimetreText(thousandths) + " mm" : inchText(thousandths) + " in") + " (" +
           thousandthText(thousandths) + " thou)";
}

struct Label {
    double x;
    double y;
    std::int32_t pin;
};

} // namespace

std::string svgPreview(const PartType& part, const EnteredDesign& entered)
{
    requireDrawablePattern(part);
    const bool slider = part.kind == PartKind::Slider;

    // Screen coordinates: x as in the part, y = -y of the part.
    const PadRect copper = copperBounds(part);
    const double left = copper.left;
    const double right = copper.right;
    const double top = -copper.top;
    const double bottom = -copper.bottom;
    const double patternWidth = right - left;
    const double patternHeight = bottom - top;

    // Text scales with the pattern so the preview reads the same at any size.
    const double font = std::max(1.0, std::round(std::max(patternWidth, patternHeight) / 25.0));

    // Pin labels sit outside the copper so the pads show their colour
    // everywhere; slider labels below each pad, button finger labels on
    // their own bar's side, bar labels to the right.
    std::vector<Label> labels;
    std::vector<double> rowX[2];
    for (const PlacedPin& pin : part.pins) {
        const bool bar = !slider && pin.pad == 2;
        const int row = (slider || pin.number == 1) ? 0 : 1;
        if (!bar)
            rowX[row].push_back(pin.x);
        labels.push_back({pin.x, -pin.y, pin.number});
        if (bar)
            labels.back().x = right + font;
    }
    double spacing = font;
    for (auto& xs : rowX) {
        std::sort(xs.begin(), xs.end());
        for (std::size_t i = 1; i < xs.size(); ++i)
            spacing = std::min(spacing, xs[i] - xs[i - 1]);
    }
    const double labelFont = std::max(0.5, std::min(font, std::floor(spacing * 0.7)));
    for (std::size_t i = 0; i < part.pins.size(); ++i) {
        const PlacedPin& pin = part.pins[i];
        if (!slider && pin.pad == 2) {
            labels[i].y = -pin.y + 0.35 * font;
            continue;
        }
        const bool below = slider || pin.number == 1;
        labels[i].y = below ? bottom + 1.2 * labelFont : top - 0.4 * labelFont;
    }

    const double aboveLabels = slider ? 0.0 : 1.6 * labelFont;
    const double legendY = top - aboveLabels - 1.0 * font;
    const double titleY = legendY - 1.8 * font;
    const double viewTop = titleY - 1.6 * font;
    const double dimensionY = bottom + 1.6 * labelFont + 0.8 * font;
    const double viewBottom = dimensionY + 2.0 * font;
    const double dimensionX = left - 1.0 * font;
    const double viewLeft = dimensionX - 2.0 * font;

    const EntryTexts& t = entered.texts;
    const std::string unit = entered.unitSymbol();
    const std::string title = part.name + ": " + (slider ? "slider, " : "button, ") + std::to_string(readCount(t.count)) +
                              (slider ? " cycles" : " fingers per contact") + ", L = " +
                              enteredNumberText(t.length) + " " + unit + ", g = " + enteredNumberText(t.gap) + " " +
                              unit + ", W = " + enteredNumberText(t.width) + " " + unit;
    const double titleWidth = 0.6 * font * static_cast<double>(title.size()) + 2.0 * font;
    const double viewRight = std::max(right + 3.0 * font, viewLeft + titleWidth);
    const double viewWidth = viewRight - viewLeft;
    const double viewHeight = viewBottom - viewTop;

    constexpr double kPixelWidth = 800.0;
    std::string out;
    out.reserve(2048 + part.pins.size() * 120);
    out += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    out += "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" + num(kPixelWidth) +
           "\" height=\"" + num(std::round(kPixelWidth * viewHeight / viewWidth)) + "\" viewBox=\"" +
           num(viewLeft) + " " + num(viewTop) + " " + num(viewWidth) + " " + num(viewHeight) + "\">\n";
    out += "<title>" + xmlText(title) + "</title>\n";
    out += "<rect x=\"" + num(viewLeft) + "\" y=\"" + num(viewTop) + "\" width=\"" + num(viewWidth) +
           "\" height=\"" + num(viewHeight) + "\" fill=\"#ffffff\"/>\n";
    out += "<g font-family=\"sans-serif\" fill=\"#212529\">\n";
    out += "<text x=\"" + num(viewLeft + font) + "\" y=\"" + num(titleY) + "\" font-size=\"" + num(font) +
           "\" font-weight=\"bold\">" + xmlText(title) + "</text>\n";
    const char* legend[2] = {slider ? "odd pins" : "pin 1", slider ? "even pins" : "pin 2"};
    for (int e = 0; e < 2; ++e) {
        const double x = viewLeft + font + e * 8.0 * font;
        out += "<rect x=\"" + num(x) + "\" y=\"" + num(legendY - 0.8 * font) + "\" width=\"" + num(font) +
               "\" height=\"" + num(0.8 * font) + "\" fill=\"" + kElectrodeColours[e] + "\"/>\n";
        out += "<text x=\"" + num(x + 1.4 * font) + "\" y=\"" + num(legendY) + "\" font-size=\"" +
               num(0.8 * font) + "\">" + legend[e] + "</text>\n";
    }
    out += "</g>\n";

    for (int e = 0; e < 2; ++e) {
        out += "<g id=\"electrode-" + std::to_string(e + 1) + "\" fill=\"" + kElectrodeColours[e] + "\">\n";
        for (const PlacedPin& pin : part.pins) {
            if (electrodeOf(part, pin) != e)
                continue;
            const PadRect r = padRect(part, pin);
            out += "<rect x=\"" + num(r.left) + "\" y=\"" + num(-r.top) + "\" width=\"" + num(r.right - r.left) +
                   "\" height=\"" + num(r.top - r.bottom) + "\"/>\n";
        }
        out += "</g>\n";
    }

    out += "<g id=\"pin-numbers\" font-family=\"sans-serif\" font-size=\"" + num(labelFont) +
           "\" text-anchor=\"middle\" fill=\"#212529\">\n";
    for (const Label& label : labels)
        out += "<text x=\"" + num(label.x) + "\" y=\"" + num(label.y) + "\">" + std::to_string(label.pin) +
               "</text>\n";
    out += "</g>\n";

    // Dimension lines with end ticks.
    const double tick = 0.4 * font;
    const std::string stroke = "stroke=\"#495057\" stroke-width=\"" + num(std::max(0.5, font / 20.0)) + "\"";
    out += "<g id=\"dimensions\" font-family=\"sans-serif\" font-size=\"" + num(0.8 * font) +
           "\" text-anchor=\"middle\" fill=\"#212529\">\n";
    out += "<path d=\"M" + num(left) + " " + num(dimensionY) + "H" + num(right) + "M" + num(left) + " " +
           num(dimensionY - tick) + "V" + num(dimensionY + tick) + "M" + num(right) + " " + num(dimensionY - tick) +
           "V" + num(dimensionY + tick) + "\" fill=\"none\" " + stroke + "/>\n";
    out += "<text x=\"" + num((left + right) / 2.0) + "\" y=\"" + num(dimensionY + 1.2 * font) + "\">" +
           lengthText(patternWidth, entered.millimetres) + "</text>\n";
    out += "<path d=\"M" + num(dimensionX) + " " + num(top) + "V" + num(bottom) + "M" + num(dimensionX - tick) +
           " " + num(top) + "H" + num(dimensionX + tick) + "M" + num(dimensionX - tick) + " " + num(bottom) + "H" +
           num(dimensionX + tick) + "\" fill=\"none\" " + stroke + "/>\n";
    const double middleY = (top + bottom) / 2.0;
    const double textX = dimensionX - 0.5 * font;
    // A flat pattern gets a smaller upright text so that it stays beside
    // its dimension line.
    const std::string heightText = lengthText(patternHeight, entered.millimetres);
    const double heightFont =
        std::min(0.8 * font, std::max(0.5, std::floor(patternHeight / (0.6 * static_cast<double>(heightText.size())))));
    out += "<text transform=\"translate(" + num(textX) + " " + num(middleY) + ") rotate(-90)\" font-size=\"" +
           num(heightFont) + "\">" + heightText + "</text>\n";
    out += "</g>\n</svg>\n";
    return out;
}

} // namespace velmora
