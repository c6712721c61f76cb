// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "picture/zoom.h"

#include <algorithm>
#include <cmath>

namespace zoom {
int next(int percent, int direction)
{
    const auto at = std::find(steps.begin(), steps.end(), percent);
    if (at == steps.end())
        return steps.front();
    const auto index =
        std::clamp<std::ptrdiff_t>(at - steps.begin() + direction, 0, std::ptrdiff_t(steps.size()) - 1);
    return steps[std::size_t(index)];
}

int largestFitting(QSize logicalSize, QSize available)
{
    int best = steps.front();
    for (int step : steps) {
        const QSize size = scaled(logicalSize, step);
        if (size.width() <= available.width() && size.height() <= available.height())
            best = step;
    }
    return best;
}

namespace {
int edge(int laidOut, int percent) { return int(std::lround(laidOut * percent / 100.0)); }
} // namespace

QRect scaled(const QRect &laidOut, int percent)
{
    // The far edges are those of the pixel past the rectangle, scaled, less one.
    return QRect(QPoint(edge(laidOut.left(), percent), edge(laidOut.top(), percent)),
                 QPoint(edge(laidOut.right() + 1, percent) - 1, edge(laidOut.bottom() + 1, percent) - 1));
}

QSize scaled(QSize laidOut, int percent) { return scaled(QRect(QPoint(0, 0), laidOut), percent).size(); }

QFont scaled(const QFont &laidOut, int percent)
{
    QFont font = laidOut;
    if (laidOut.pixelSize() > 0)
        font.setPixelSize(std::max(1, edge(laidOut.pixelSize(), percent)));
    else
        font.setPointSizeF(laidOut.pointSizeF() * percent / 100.0);
    return font;
}
} // namespace zoom
