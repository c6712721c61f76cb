#include "imagecanvas.h"

#include <QPen>
#include <cmath>
#include <utility>

ImageCanvas::ImageCanvas(QSize logicalSize, qreal devicePixelRatio, Colour background,
                         int logicalDpi)
    : logicalSize_(logicalSize),
      image_(logicalSize * devicePixelRatio, QImage::Format_RGB32)
{
    const int dotsPerMeter = qRound(logicalDpi / 0.0254);
    image_.setDotsPerMeterX(dotsPerMeter);
    image_.setDotsPerMeterY(dotsPerMeter);
    image_.setDevicePixelRatio(devicePixelRatio);
    image_.fill(toQColor(background));
}

ImageCanvas::~ImageCanvas()
{
    if (painter_.isActive())
        painter_.end();
}

QPainter &ImageCanvas::painter()
{
    if (!painter_.isActive()) {
        painter_.begin(&image_);
        painter_.setRenderHint(QPainter::Antialiasing, false);
    }
    return painter_;
}

void ImageCanvas::markDirty(const QRect &rect)
{
    dirty_ += rect.intersected(QRect(QPoint(0, 0), logicalSize_));
}

QRegion ImageCanvas::flush()
{
    if (painter_.isActive())
        painter_.end();
    return std::exchange(dirty_, QRegion());
}

const QImage &ImageCanvas::image()
{
    if (painter_.isActive())
        painter_.end();
    return image_;
}

QPen ImageCanvas::pen(std::optional<Colour> colour) const
{
    QPen p(toQColor(colour.value_or(foreground_)));
    p.setWidth(drawWidth_);
    p.setCapStyle(Qt::SquareCap);
    p.setJoinStyle(Qt::MiterJoin);
    return p;
}

// At ratio 1 the aliased rasteriser puts the middle of an odd-width figure half a
// pixel right of and below its point (a 1-pixel line at y 300 fills row 300); at
// any other ratio the figure is centred on the point (at ratio 2, device rows 599
// and 600). Moving odd widths half a logical pixel makes them cover the same
// logical pixels at every ratio: rows 600 and 601 at ratio 2.
qreal ImageCanvas::alignment() const
{
    return (drawWidth_ % 2 != 0 && image_.devicePixelRatio() != 1.0) ? 0.5 : 0.0;
}

// The changed area of a figure: its bounding box grown by the pen on every side.
static QRect reach(float left, float top, float right, float bottom, int width)
{
    const int margin = width + 1;
    return QRect(QPoint(int(std::floor(left)) - margin, int(std::floor(top)) - margin),
                 QPoint(int(std::ceil(right)) + margin, int(std::ceil(bottom)) + margin));
}

void ImageCanvas::line(float x1, float y1, float x2, float y2, std::optional<Colour> colour)
{
    QPainter &p = painter();
    p.setPen(pen(colour));
    const qreal a = alignment();
    p.drawLine(QPointF(x1 + a, y1 + a), QPointF(x2 + a, y2 + a));
    markDirty(reach(std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2),
                    drawWidth_));
}

void ImageCanvas::circle(float x, float y, float radius, std::optional<Colour> colour)
{
    QPainter &p = painter();
    p.setPen(pen(colour));
    if (fillSolid_)
        p.setBrush(toQColor(fillColour_));
    else
        p.setBrush(Qt::NoBrush);
    const qreal a = alignment();
    p.drawEllipse(QPointF(x + a, y + a), qreal(radius), qreal(radius));
    markDirty(reach(x - radius, y - radius, x + radius, y + radius, drawWidth_));
}

void ImageCanvas::setDrawWidth(int pixels) { drawWidth_ = pixels; }
void ImageCanvas::setFillStyleSolid() { fillSolid_ = true; }
void ImageCanvas::setFillColour(Colour colour) { fillColour_ = colour; }
void ImageCanvas::setUnitPixels() { unit_ = Unit::Pixels; }
