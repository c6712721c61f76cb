// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>
#include <QRect>
#include <QSize>
#include <array>

// The window's zoom, for a projector: the laid-out window made larger as a whole.
namespace zoom {
// The steps, in per cent, that zooming in and out goes through.
inline constexpr std::array<int, 7> steps{100, 125, 150, 175, 200, 250, 300};

// The step after `percent` towards `direction` (+1 in, -1 out); `percent` itself at either end.
int next(int percent, int direction);
// The largest step at which a window of `logicalSize` fits in `available`; the smallest if none does.
int largestFitting(QSize logicalSize, QSize available);

// A laid-out rectangle at a zoom: its edges scaled and rounded, so that
// rectangles that meet at 100 % still meet.
QRect scaled(const QRect &laidOut, int percent);
QSize scaled(QSize laidOut, int percent);
// A laid-out font at a zoom, in points or pixels as it was given.
QFont scaled(const QFont &laidOut, int percent);
} // namespace zoom
