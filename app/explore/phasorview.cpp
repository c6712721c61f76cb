// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "explore/phasorview.h"

#include <QPainter>
#include <cmath>

namespace {
const QColor sumColour(0, 160, 0);

// A phasor of `length` turned by `phase`, as the run draws it: cos along x, sin along y (down).
QPointF phasor(double phase, double length) { return {length * std::cos(phase), length * std::sin(phase)}; }

void arrow(QPainter &painter, QPointF from, QPointF to, double head)
{
    painter.drawLine(from, to);
    const QPointF along = to - from;
    const double length = std::hypot(along.x(), along.y());
    if (length < head)
        return;
    const QPointF unit = along / length;
    const QPointF across(-unit.y(), unit.x());
    painter.drawPolygon(
        QPolygonF{to, to - unit * head + across * head / 2, to - unit * head - across * head / 2});
}
} // namespace

PhasorView::PhasorView(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("phasorView"));
    setFocusPolicy(Qt::TabFocus);
    setZoom(100);
}

void PhasorView::setPhases(std::optional<double> phaseB, std::optional<double> phaseA)
{
    phaseB_ = phaseB;
    phaseA_ = phaseA;
    update();
}

void PhasorView::setZoom(int percent)
{
    zoom_ = percent;
    setMinimumSize(QSize(170, 170) * percent / 100);
    updateGeometry();
    update();
}

void PhasorView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), Qt::white);
    const double scale = zoom_ / 100.0;
    const QPointF origin = QRectF(rect()).center();
    // Two phasors end to end reach at most twice their length: the circle's radius.
    const double length = 0.22 * std::min(width(), height());
    painter.setPen(QPen(Qt::lightGray, scale));
    painter.drawEllipse(origin, 2 * length, 2 * length);
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2 * scale));
        painter.drawRect(QRectF(rect()).adjusted(scale, scale, -scale, -scale));
    }
    if (!phaseB_ || !phaseA_)
        return;
    const QPointF tipB = origin + phasor(*phaseB_, length);
    const QPointF tipA = tipB + phasor(*phaseA_, length);
    const double head = 9 * scale;
    painter.setPen(QPen(sumColour, 3 * scale));
    painter.setBrush(sumColour);
    arrow(painter, origin, tipA, head);
    painter.setPen(QPen(Qt::black, 2 * scale));
    painter.setBrush(Qt::black);
    arrow(painter, origin, tipB, head);
    arrow(painter, tipB, tipA, head);
    // The slits' letters beside the middle of their phasors, on the side away from the sum.
    const auto letter = [&](QPointF from, QPointF to, const QString &name) {
        const QPointF middle = (from + to) / 2;
        const QPointF along = to - from;
        QPointF across(-along.y(), along.x());
        const double size = std::hypot(across.x(), across.y());
        if (size > 0)
            across /= size;
        const QPointF place = middle + across * 12 * scale;
        painter.drawText(QRectF(place - QPointF(8, 8) * scale, QSizeF(16, 16) * scale), Qt::AlignCenter,
                         name);
    };
    letter(origin, tipB, QStringLiteral("B"));
    letter(tipB, tipA, QStringLiteral("A"));
    painter.setBrush(Qt::black);
    painter.drawEllipse(origin, 2.5 * scale, 2.5 * scale);
}
