// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "explore/exploreplot.h"

#include "explore/keptruns.h"
#include "runrecord.h"

#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {
// The heights shown, pixels either side of the optical axis: the scan reaches 199.
constexpr double reach = 200;
constexpr double tickEvery = 50;
constexpr int ticks = 4; // each side of the axis
const QColor brightMark(220, 130, 0);
const QColor darkMark(40, 70, 150);
const QColor formulaMark(230, 40, 40);
const QColor selection(210, 0, 140);
} // namespace

ExplorePlot::ExplorePlot(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("explorePlot"));
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setZoom(100);
}

void ExplorePlot::setCurves(std::vector<Curve> curves)
{
    curves_ = std::move(curves);
    update();
    emit curvesChanged();
}

void ExplorePlot::setMarks(std::vector<FringeMark> exact, std::vector<FringeMark> formula)
{
    exact_ = std::move(exact);
    formula_ = std::move(formula);
    update();
}

void ExplorePlot::showFormula(bool shown)
{
    formulaShown_ = shown;
    update();
}

void ExplorePlot::setSelected(std::optional<double> height)
{
    selected_ = height;
    update();
}

void ExplorePlot::setZoom(int percent)
{
    zoom_ = percent;
    setMinimumSize(zoomedSize() * 3 / 4);
    updateGeometry();
    update();
}

QSize ExplorePlot::sizeHint() const { return zoomedSize(); }

QSize ExplorePlot::zoomedSize() const
{
    // About a pixel of height for each of the run's points.
    return QSize(320, 430) * zoom_ / 100;
}

QRectF ExplorePlot::plotArea() const
{
    const QFontMetricsF metrics(font());
    const double left = metrics.horizontalAdvance(QStringLiteral("-200")) + 2.5 * metrics.height();
    const double bottom = 3 * metrics.height();
    const double edge = metrics.height() * 0.6;
    return QRectF(QPointF(left, edge), QPointF(width() - 1.5 * metrics.height(), height() - bottom));
}

double ExplorePlot::yOf(double height) const
{
    const QRectF area = plotArea();
    return area.center().y() - height / reach * area.height() / 2;
}

double ExplorePlot::heightAt(double y) const
{
    const QRectF area = plotArea();
    return (area.center().y() - y) / (area.height() / 2) * reach;
}

void ExplorePlot::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    setFocus(Qt::MouseFocusReason);
    emit heightClicked(heightAt(event->position().y()));
}

void ExplorePlot::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    const QRectF area = plotArea();
    painter.fillRect(area, Qt::white);
    painter.setRenderHint(QPainter::Antialiasing);
    paintAxes(painter, area);
    painter.setClipRect(area);
    // The marks, the small-angle formula's under the exact ones.
    if (formulaShown_)
        paintMarks(painter, area, formula_, true);
    paintMarks(painter, area, exact_, false);
    paintOrders(painter, area);
    paintCurves(painter, area);
    painter.setClipping(false);
    paintFrame(painter, area);
}

void ExplorePlot::paintAxes(QPainter &painter, const QRectF &area)
{
    const double scale = zoom_ / 100.0;
    const QLocale locale;
    const QFontMetricsF metrics(font());
    // The height scale at the left, the optical axis across.
    painter.setPen(QPen(palette().color(QPalette::WindowText), scale));
    for (int tick = -ticks; tick <= ticks; ++tick) {
        const double h = tick * tickEvery;
        const double y = yOf(h);
        painter.drawLine(QPointF(area.left() - 4 * scale, y), QPointF(area.left(), y));
        const QString label = locale.toString(h, 'f', 0);
        painter.drawText(QRectF(0, y - metrics.height() / 2, area.left() - 6 * scale, metrics.height()),
                         Qt::AlignRight | Qt::AlignVCenter, label);
    }
    painter.save();
    painter.translate(metrics.height() * 0.8, area.center().y());
    painter.rotate(-90);
    painter.drawText(QRectF(-area.height() / 2, -metrics.height() / 2, area.height(), metrics.height()),
                     //: The plot's vertical axis title: the height above the optical axis, in pixels.
                     Qt::AlignCenter, tr("height above the optical axis (px)"));
    painter.restore();
    painter.drawText(
        QRectF(0, area.bottom() + 2 * scale, width(), height() - area.bottom() - 2 * scale),
        //: The plot's horizontal axis title: each run's intensity is scaled so that its own largest value fills the width.
        Qt::AlignCenter | Qt::TextWordWrap, tr("intensity, each run to its own maximum"));
    painter.setPen(QPen(Qt::gray, scale, Qt::DashDotLine));
    painter.drawLine(QPointF(area.left(), yOf(0)), QPointF(area.right(), yOf(0)));
}

void ExplorePlot::paintMarks(QPainter &painter, const QRectF &area, const std::vector<FringeMark> &marks,
                             bool formula)
{
    const double scale = zoom_ / 100.0;
    for (const FringeMark &mark : marks) {
        const Qt::PenStyle style = formula ? Qt::DashLine : (mark.bright() ? Qt::SolidLine : Qt::DotLine);
        const QColor colour = formula ? formulaMark : (mark.bright() ? brightMark : darkMark);
        painter.setPen(QPen(colour, (formula ? 1 : mark.bright() ? 2 : 1.2) * scale, style, Qt::FlatCap));
        const double y = yOf(mark.height);
        painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
    }
}

// The orders of the whole-wavelength marks at the right, where there is room for them.
void ExplorePlot::paintOrders(QPainter &painter, const QRectF &area)
{
    const QLocale locale;
    const QFontMetricsF metrics(font());
    painter.setPen(brightMark.darker(130));
    double lastLabel = HUGE_VAL;
    for (const FringeMark &mark : exact_) {
        const double y = yOf(mark.height);
        if (!mark.bright() || std::abs(lastLabel - y) < metrics.height())
            continue;
        painter.drawText(QRectF(area.right() - 4 * metrics.height(), y - metrics.height(),
                                4 * metrics.height() - 2, metrics.height()),
                         Qt::AlignRight | Qt::AlignBottom, locale.toString(mark.order, 'f', 0));
        lastLabel = y;
    }
}

// The curves, the kept runs' under the current one, each scaled to its own largest value.
void ExplorePlot::paintCurves(QPainter &painter, const QRectF &area)
{
    const double scale = zoom_ / 100.0;
    for (auto curve = curves_.rbegin(); curve != curves_.rend(); ++curve) {
        const std::vector<RunRecord::Point> &points = curve->run->points();
        double largest = 0;
        for (const RunRecord::Point &p : points)
            largest = std::max(largest, p.shown);
        if (points.empty() || !(largest > 0))
            continue;
        QPolygonF path;
        path.reserve(qsizetype(points.size()));
        for (const RunRecord::Point &p : points)
            path << QPointF(area.left() + p.shown / largest * area.width(),
                            yOf(curve->run->geometry().centreY - p.y));
        const bool current = curve->line == lines::current;
        painter.setPen(
            QPen(lines::colour(curve->line), (current ? 2 : 1.6) * scale, lines::style(curve->line)));
        painter.drawPolyline(path);
    }
}

// The selected point's arrow, the plot's frame and the focus ring.
void ExplorePlot::paintFrame(QPainter &painter, const QRectF &area)
{
    const double scale = zoom_ / 100.0;
    if (selected_) {
        const double y = yOf(*selected_);
        painter.setPen(QPen(selection, 1.5 * scale));
        painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
        painter.setBrush(selection);
        const QPointF tip(area.left(), y);
        painter.drawPolygon(QPolygonF{tip, tip + QPointF(-6, -5) * scale, tip + QPointF(-6, 5) * scale});
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(palette().color(QPalette::WindowText), scale));
    painter.drawRect(area);
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2 * scale));
        painter.drawRect(QRectF(rect()).adjusted(scale, scale, -scale, -scale));
    }
}
