// The SVG preview: well-formed and self-contained, every pad drawn in its
// place and in its electrode's colour, checked by rendering it with Qt SVG.

#include "ButtonGenerator.h"
#include "DesignParameters.h"
#include "GenerationError.h"
#include "PadGeometry.h"
#include "SliderGenerator.h"
#include "SvgPreview.h"
#include "UnitConversion.h"

#include <QColor>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QXmlStreamReader>

#include "SampleParts.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <ostream>
#include <string>

using namespace velmora;

namespace {

using PreviewCase = velmora::test::SamplePart;
using velmora::test::generate;

std::string preview(const PreviewCase& c)
{
    return svgPreview(generate(c), {c.kind, c.texts, c.millimetres});
}

// Reads the whole document; returns the error text, empty when well-formed,
// and counts the pad rectangles of each electrode group.
std::string readSvg(const std::string& svg, int padsPerElectrode[2])
{
    QXmlStreamReader xml(QByteArray::fromStdString(svg));
    int group = -1;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            const QString id = xml.attributes().value("id").toString();
            if (xml.name() == u"g")
                group = id == "electrode-1" ? 0 : id == "electrode-2" ? 1 : -1;
            if (xml.name() == u"rect" && group >= 0)
                ++padsPerElectrode[group];
            for (const QXmlStreamAttribute& attribute : xml.attributes()) {
                if (attribute.name().contains(u"href") || attribute.value().contains(u"url("))
                    return "external reference in " + attribute.name().toString().toStdString();
            }
        }
        if (xml.isEndElement() && xml.name() == u"g")
            group = -1;
    }
    return xml.hasError() ? xml.errorString().toStdString() : std::string();
}

const PreviewCase kCases[] = {
    {"SliderInches", PartKind::Slider, {"4", "1", "0.02", "0.5", "SL1"}, false},
    {"SliderOddCountMillimetres", PartKind::Slider, {"5", "50", "0.5", "10", "SM"}, true},
    {"ButtonInches", PartKind::Button, {"4", "0.5", "0.02", "0.5", "BT1"}, false},
    {"ButtonMillimetres", PartKind::Button, {"4", "12.7", "0.5", "12.7", "BT2"}, true},
    {"ButtonOneFinger", PartKind::Button, {"1", "0.4", "0.02", "0.3", "B"}, false},
};

class SvgPreviewTest : public testing::TestWithParam<PreviewCase> {};

} // namespace

TEST_P(SvgPreviewTest, IsWellFormedSelfContainedAndHoldsEveryPad)
{
    const PartType part = generate(GetParam());
    int pads[2] = {0, 0};
    EXPECT_EQ(readSvg(preview(GetParam()), pads), "");
    int expected[2] = {0, 0};
    for (const PlacedPin& pin : part.pins)
        ++expected[electrodeOf(part, pin)];
    EXPECT_EQ(pads[0], expected[0]);
    EXPECT_EQ(pads[1], expected[1]);
}

TEST_P(SvgPreviewTest, RendersEachPadCentreInItsElectrodesColour)
{
    const PartType part = generate(GetParam());
    const std::string svg = preview(GetParam());
    QSvgRenderer renderer(QByteArray::fromStdString(svg));
    ASSERT_TRUE(renderer.isValid());

    const QRectF view = renderer.viewBoxF();
    const double pixelsPerUnit = 1600.0 / view.width();
    QImage image(1600, static_cast<int>(view.height() * pixelsPerUnit) + 1, QImage::Format_ARGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    renderer.render(&painter, QRectF(0, 0, 1600, view.height() * pixelsPerUnit));
    painter.end();

    for (const PlacedPin& pin : part.pins) {
        // A finger overlaps its own bar; test the finger's centre, which
        // lies in the finger alone.
        const double px = (pin.x - view.left()) * pixelsPerUnit;
        const double py = (-pin.y - view.top()) * pixelsPerUnit;
        const QColor colour = image.pixelColor(static_cast<int>(px), static_cast<int>(py));
        EXPECT_EQ(colour.name().toStdString(), kElectrodeColours[electrodeOf(part, pin)])
            << "pin " << pin.number << " at " << pin.x << ", " << pin.y;
    }
    // Between the first two slider pads lies the gap: background, not copper.
    if (part.kind == PartKind::Slider) {
        const double gapX = (padRect(part, part.pins[0]).right + padRect(part, part.pins[1]).left) / 2.0;
        const QColor gap = image.pixelColor(static_cast<int>((gapX - view.left()) * pixelsPerUnit),
                                            static_cast<int>(-view.top() * pixelsPerUnit));
        EXPECT_EQ(gap.name().toStdString(), "#ffffff");
    }
}

INSTANTIATE_TEST_SUITE_P(Parts, SvgPreviewTest, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<PreviewCase>& info) { return info.param.label; });

TEST(SvgPreviewText, EscapesTheNameAndReplacesBytesXmlCannotHold)
{
    const PreviewCase c{"", PartKind::Slider, {"4", "1", "0.02", "0.5", "A<&>\"'\x01\xff"}, false};
    const std::string svg = preview(c);
    int pads[2] = {0, 0};
    EXPECT_EQ(readSvg(svg, pads), "");
    EXPECT_NE(svg.find("<title>A&lt;&amp;&gt;&quot;&apos;\xEF\xBF\xBD\xEF\xBF\xBD: slider"), std::string::npos);
}

TEST(SvgPreviewText, DimensionsInTheEnteredUnitAndInThousandths)
{
    const std::string inches = preview(kCases[0]);
    EXPECT_NE(inches.find(">0.999 in (999 thou)<"), std::string::npos); // copper from -499 to 500
    EXPECT_NE(inches.find(">0.5 in (500 thou)<"), std::string::npos);
    EXPECT_NE(inches.find("L = 1 in, g = 0.02 in, W = 0.5 in"), std::string::npos);
    const std::string mm = preview(kCases[3]);
    EXPECT_NE(mm.find(">12.6746 mm (499 thou)<"), std::string::npos);
    EXPECT_NE(mm.find("L = 12.7 mm, g = 0.5 mm, W = 12.7 mm"), std::string::npos);
}

TEST(SvgPreviewText, RefusesPadsWithoutArea)
{
    const PreviewCase c{"", PartKind::Slider, {"4", "0.2", "0.02", "0.5", "S"}, false};
    EXPECT_THROW(preview(c), GenerationError);
}

TEST(SvgPreviewGolden, MatchesTheStoredPreviews)
{
    const std::pair<const PreviewCase*, const char*> goldens[] = {{&kCases[0], "SL1.svg"}, {&kCases[2], "BT1.svg"}};
    for (const auto& [c, file] : goldens) {
        std::ifstream in(std::string(VELMORA_GOLDEN_DIR) + "/" + file, std::ios::binary);
        ASSERT_TRUE(in) << file;
        const std::string stored{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        EXPECT_EQ(preview(*c), stored) << file;
    }
}

int main(int argc, char** argv)
{
    // Rendering needs no screen; test discovery runs without one too.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
