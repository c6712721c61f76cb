// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "lab/labphasors.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <numbers>

namespace {
constexpr int side = 150; // at 100 %

// The phase of a path: the part of a turn beyond its whole wavelengths, in radians.
double phaseOf(double waves) { return 2 * std::numbers::pi * (waves - std::floor(waves)); }

void arrow(QPainter &painter, QPointF from, QPointF to, double head)
{
    painter.drawLine(from, to);
    const double angle = std::atan2(to.y() - from.y(), to.x() - from.x());
    QPainterPath tip;
    tip.moveTo(to);
    tip.lineTo(to - head * QPointF(std::cos(angle - 0.4), std::sin(angle - 0.4)));
    tip.lineTo(to - head * QPointF(std::cos(angle + 0.4), std::sin(angle + 0.4)));
    tip.closeSubpath();
    painter.fillPath(tip, painter.pen().color());
}
} // namespace

LabPhasors::LabPhasors(QWidget *parent) : QWidget(parent) {}

void LabPhasors::setPaths(double pathAWaves, double pathBWaves)
{
    phaseA_ = phaseOf(pathAWaves);
    phaseB_ = phaseOf(pathBWaves);
    update();
}

void LabPhasors::setZoom(int percent)
{
    zoom_ = percent;
    updateGeometry();
    update();
}

QSize LabPhasors::sizeHint() const { return QSize(side, side) * zoom_ / 100; }

void LabPhasors::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const double length = std::min(width(), height()) / 4.5; // the sum at its longest fills the circle
    const QPointF middle = QRectF(rect()).center();
    painter.setPen(QPen(Qt::gray, 1));
    painter.drawEllipse(middle, 2 * length, 2 * length);
    // y down, as on the screen: a phase turns anticlockwise.
    const QPointF b = middle + length * QPointF(std::cos(phaseB_), -std::sin(phaseB_));
    const QPointF a = b + length * QPointF(std::cos(phaseA_), -std::sin(phaseA_));
    const double head = 6 * zoom_ / 100.0;
    // The sum under the phasors: where they lie in one line it would hide them.
    painter.setPen(QPen(QColor(0, 150, 0), 4 * zoom_ / 100.0));
    if (QLineF(middle, a).length() > head)
        arrow(painter, middle, a, head);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1.5 * zoom_ / 100.0));
    arrow(painter, middle, b, head);
    arrow(painter, b, a, head);
}
