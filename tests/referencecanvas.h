#pragma once

#include "canvas.h"

#include <QImage>
#include <QPainter>
#include <QPen>

// The plainest canvas over an image: every operation opens its own QPainter,
// sets the pen and brush from scratch and draws. The kept-image canvas must
// give exactly these pixels however it batches or shortcuts its drawing.
class ReferenceCanvas : public Canvas {
public:
    ReferenceCanvas(QSize logicalSize, qreal devicePixelRatio, Colour background)
        : image(logicalSize * devicePixelRatio, QImage::Format_RGB32)
    {
        image.setDevicePixelRatio(devicePixelRatio);
        image.fill(toQColor(background));
    }

    QImage image;

    void line(float x1, float y1, float x2, float y2, std::optional<Colour> colour) override
    {
        QPainter p(&image);
        p.setPen(pen(colour));
        const qreal a = alignment();
        p.drawLine(QPointF(x1 + a, y1 + a), QPointF(x2 + a, y2 + a));
    }
    void circle(float x, float y, float radius, std::optional<Colour> colour) override
    {
        QPainter p(&image);
        p.setPen(pen(colour));
        p.setBrush(fillSolid_ ? QBrush(toQColor(fillColour_)) : QBrush(Qt::NoBrush));
        const qreal a = alignment();
        p.drawEllipse(QPointF(x + a, y + a), qreal(radius), qreal(radius));
    }
    void setDrawWidth(int pixels) override { width_ = pixels; }
    void setFillStyleSolid() override { fillSolid_ = true; }
    void setFillColour(Colour colour) override { fillColour_ = colour; }
    void setUnitPixels() override {}

private:
    // Odd widths move half a logical pixel at ratios other than 1, so that they
    // cover whole logical pixels as at ratio 1.
    qreal alignment() const
    {
        return (width_ % 2 != 0 && image.devicePixelRatio() != 1.0) ? 0.5 : 0.0;
    }

    QPen pen(std::optional<Colour> colour) const
    {
        QPen p(toQColor(colour.value_or(colours::black)));
        p.setWidth(width_);
        p.setCapStyle(Qt::SquareCap);
        p.setJoinStyle(Qt::MiterJoin);
        return p;
    }

    int width_ = 1;
    bool fillSolid_ = false;
    Colour fillColour_ = colours::black;
};
