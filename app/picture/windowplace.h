// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QPoint>
#include <QSize>

class QWidget;

// Where the program's other windows (Explore, the help, About) go, on the
// screen the main window is on: never larger than the screen's area for
// windows, and beside the main window where both fit, so that on a projector
// neither hides the picture. A window not yet shown has no frame of its own
// yet: the main window's stands for it, as the same window system draws both.
namespace windowplace {
// The largest size, frame excluded, a window may take on `main`'s screen.
QSize room(const QWidget &main);
// `wanted` cut down to room(main).
QSize fitted(QSize wanted, const QWidget &main);
// The place of a window of `size` (frame excluded; a window's position is its
// frame's): right of `main` where it fits, else left of it, else at the
// screen's right edge over it; level with its top, within the screen.
QPoint beside(QSize size, const QWidget &main);
// `place` moved as little as it takes for a window of `size` to lie within the screen.
QPoint kept(QPoint place, QSize size, const QWidget &main);
} // namespace windowplace
