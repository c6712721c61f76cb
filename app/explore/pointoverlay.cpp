// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "explore/pointoverlay.h"

#include "picture/scenepicture.h"

#include <QPainter>

namespace {
const QColor markColour(210, 0, 140);
constexpr double ringRadius = 7;
constexpr double tickFrom = 16; // the tick runs from this far left of the plot axis …
constexpr double tickTo = 4;    // … to this far
constexpr double lineWidth = 2;
} // namespace

PointOverlay::PointOverlay(ScenePicture &picture) : PictureLayer(picture, QStringLiteral("pointOverlay")) {}

void PointOverlay::setPoint(std::optional<QPointF> point, double plotAxisX)
{
    if (point == point_ && plotAxisX == plotAxisX_)
        return;
    update(markArea());
    point_ = point;
    plotAxisX_ = plotAxisX;
    update(markArea());
}

QRect PointOverlay::markArea() const
{
    if (!point_)
        return {};
    const double zoom = picture_.zoom() / 100.0;
    const double margin = ringRadius + lineWidth + 1;
    const QRectF laidOut(QPointF(point_->x() - margin, point_->y() - margin),
                         QPointF(plotAxisX_ + margin, point_->y() + margin));
    return QRectF(laidOut.topLeft() * zoom, laidOut.bottomRight() * zoom)
        .toAlignedRect()
        .adjusted(-1, -1, 1, 1);
}

void PointOverlay::paintEvent(QPaintEvent *)
{
    if (!point_)
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const double zoom = picture_.zoom() / 100.0;
    painter.scale(zoom, zoom);
    painter.setPen(QPen(markColour, lineWidth));
    painter.drawEllipse(*point_, ringRadius, ringRadius);
    painter.drawLine(QPointF(plotAxisX_ - tickFrom, point_->y()), QPointF(plotAxisX_ - tickTo, point_->y()));
}
