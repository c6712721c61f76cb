// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "explore/screenstrip.h"

#include "explore/exploreplot.h"
#include "runrecord.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {
// Laid-out sizes at 100 %, pixels: the grey, and the frame around it.
constexpr int greyWidth = 24;
constexpr int frameWidth = 1;
// The scan's points lie a pixel of height apart: a row shows the point within half of that.
constexpr double reachOfPoint = 0.5;
} // namespace

ScreenStrip::ScreenStrip(const ExplorePlot &plot, QWidget *parent) : QWidget(parent), plot_(plot)
{
    setObjectName(QStringLiteral("screenStrip"));
    setFocusPolicy(Qt::NoFocus);
    //: The accessible name (and tooltip) of the grey strip beside Explore's plot: the run's screen line as the eye would see it.
    setAccessibleName(tr("The screen as the eye would see it"));
    setToolTip(accessibleName());
    setAccessibleDescription(
        //: Accessible description of the grey strip beside Explore's plot.
        tr("The screen line of the run the plot shows, in grey beside it at the same heights: each point as "
           "light as the intensity the plot shows there, white at the largest, black at none"));
    // As tall as the row it shares with the plot, whatever its own hint.
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Ignored);
    connect(&plot, &ExplorePlot::curvesChanged, this, qOverload<>(&QWidget::update));
}

void ScreenStrip::setZoom(int percent)
{
    zoom_ = percent;
    updateGeometry();
    update();
}

QSize ScreenStrip::sizeHint() const { return {(greyWidth + 2 * frameWidth) * zoom_ / 100, 0}; }

void ScreenStrip::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    const RunRecord *run = plot_.shownRun();
    if (!run || run->points().empty())
        return;
    const std::vector<RunRecord::Point> &points = run->points();
    const double centreY = run->geometry().centreY;
    const std::vector<double> shares = run->shownShares();
    // Heights rise from the first point (the bottom) to the last. The plot's y
    // and this widget's differ by where each stands in the window.
    const double shift = mapFrom(window(), plot_.mapTo(window(), QPointF(0, 0))).y();
    const auto heightOf = [centreY](const RunRecord::Point &p) { return centreY - p.y; };
    // The rows whose middles lie within the points' reach: as far as the run has come.
    const int top = int(std::ceil(shift + plot_.yOf(heightOf(points.back()) + reachOfPoint) - 0.5));
    const int bottom = int(std::floor(shift + plot_.yOf(heightOf(points.front()) - reachOfPoint) - 0.5)) + 1;
    const int frame = std::max(1, frameWidth * zoom_ / 100);
    const QRect grey(frame, top, width() - 2 * frame, bottom - top);
    painter.fillRect(grey.adjusted(-frame, -frame, frame, frame), palette().color(QPalette::WindowText));
    for (int row = top; row < bottom; ++row) {
        // The point whose height is nearest the row's middle.
        const double height = plot_.heightAt(row + 0.5 - shift);
        auto above = std::lower_bound(points.begin(), points.end(), height,
                                      [&](const RunRecord::Point &p, double h) { return heightOf(p) < h; });
        if (above == points.end()
            || (above != points.begin() && height - heightOf(*(above - 1)) < heightOf(*above) - height))
            --above;
        const bool near = std::abs(heightOf(*above) - height) <= reachOfPoint;
        const int level = near ? int(std::lround(255 * shares[std::size_t(above - points.begin())])) : 0;
        painter.fillRect(QRect(grey.left(), row, grey.width(), 1),
                         near ? QColor(level, level, level) : palette().color(QPalette::Window));
    }
}
