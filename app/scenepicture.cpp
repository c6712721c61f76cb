#include "scenepicture.h"

#include <QPaintEvent>
#include <QPainter>
#include <utility>

ScenePicture::ScenePicture(QWidget *parent)
    : QWidget(parent),
      canvas_(pictureSize, parent ? parent->devicePixelRatioF() : 1.0, colours::silver,
              parent ? parent->logicalDpiY() : 96)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ScenePicture::present()
{
    const QRegion changed = canvas_.flush();
    if (!changed.isEmpty())
        update(changed);
}

void ScenePicture::paintEvent(QPaintEvent *event)
{
    if (const std::function<void()> draw = std::exchange(beforeFirstPaint_, {}))
        draw();
    QPainter painter(this);
    const QImage &image = canvas_.image();
    const qreal ratio = image.devicePixelRatio();
    const QRect pictureArea(QPoint(0, 0), pictureSize);
    for (const QRect &rect : event->region()) {
        const QRect inside = rect & pictureArea;
        if (!inside.isEmpty()) {
            const QRectF source(QPointF(inside.topLeft()) * ratio, QSizeF(inside.size()) * ratio);
            painter.drawImage(QRectF(inside), image, source);
        }
        // Beyond the picture the window shows its silver background.
        for (const QRect &outside : QRegion(rect).subtracted(pictureArea))
            painter.fillRect(outside, toQColor(colours::silver));
    }
}
