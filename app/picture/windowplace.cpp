// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "picture/windowplace.h"

#include <QRect>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace windowplace {
namespace {
QSize frameOf(const QWidget &main) { return main.frameGeometry().size() - main.geometry().size(); }

QRect areaOf(const QWidget &main)
{
    const QScreen *screen = main.screen();
    return screen ? screen->availableGeometry() : QRect(QPoint(0, 0), QSize(1 << 14, 1 << 14));
}
} // namespace

QSize room(const QWidget &main) { return areaOf(main).size() - frameOf(main); }

QSize fitted(QSize wanted, const QWidget &main) { return wanted.boundedTo(room(main)); }

QPoint beside(QSize size, const QWidget &main)
{
    const QRect area = areaOf(main);
    const QRect taken = main.frameGeometry();
    const QSize outer = size + frameOf(main);
    int x = area.x() + area.width() - outer.width(); // over the main window, at the screen's edge
    if (taken.x() + taken.width() + outer.width() <= area.x() + area.width())
        x = taken.x() + taken.width();
    else if (taken.x() - outer.width() >= area.x())
        x = taken.x() - outer.width();
    return kept({x, taken.y()}, size, main);
}

QPoint kept(QPoint place, QSize size, const QWidget &main)
{
    const QRect area = areaOf(main);
    const QSize outer = size + frameOf(main);
    const auto within = [](int at, int from, int length, int extent) {
        return std::clamp(at, from, std::max(from, from + length - extent));
    };
    return {within(place.x(), area.x(), area.width(), outer.width()),
            within(place.y(), area.y(), area.height(), outer.height())};
}
} // namespace windowplace
