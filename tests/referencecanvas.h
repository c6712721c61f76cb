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
        p.drawLine(QPointF(x1, y1), QPointF(x2, y2));
    }
    void circle(float x, float y, float radius, std::optional<Colour> colour) override
    {
        QPainter p(&image);
        p.setPen(pen(colour));
        p.setBrush(fillSolid_ ? QBrush(toQColor(fillColour_)) : QBrush(Qt::NoBrush));
        p.drawEllipse(QPointF(x, y), qreal(radius), qreal(radius));
    }
    void setDrawWidth(int pixels) override { width_ = pixels; }
    void setFillStyleSolid() override { fillSolid_ = true; }
    void setFillColour(Colour colour) override { fillColour_ = colour; }
    void setUnitPixels() override {}

private:
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
