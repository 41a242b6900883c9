#include "Pictures.h"

#include <QPainter>
#include <QPicture>
#include <QSvgRenderer>

namespace velmora::ui {

namespace {

// Replays the SVG into a picture of the canvas's size. A picture that cannot
// be loaded stays empty, so its canvas simply shows nothing.
QPicture loadPicture(const QString& resource, QSize size)
{
    QPicture picture;
    QSvgRenderer renderer(resource);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    if (renderer.isValid())
        renderer.render(&painter, QRectF(QPointF(0, 0), size));
    painter.end();
    picture.setBoundingRect(QRect(QPoint(0, 0), size));
    return picture;
}

} // namespace

const QPicture& Slider2a()
{
    static const QPicture picture = loadPicture(QStringLiteral(":/pictures/169.svg"), QSize(330, 154));
    return picture;
}

const QPicture& ButtonCvs()
{
    static const QPicture picture = loadPicture(QStringLiteral(":/pictures/170.svg"), QSize(109, 119));
    return picture;
}

} // namespace velmora::ui
