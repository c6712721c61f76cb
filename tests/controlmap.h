// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QPoint>
#include <QRect>
#include <QStringList>
#include <memory>

class frmQuarnel;

// Where the window's controls lie, in window coordinates, read from a window
// built in this process (offscreen) with the program's own appearance, which
// it sets up for the test's QApplication, so a
// test that clicks the real window follows the layout instead of copying it.
class ControlMap {
public:
    ControlMap();
    ~ControlMap();

    QRect rect(const QString &objectName) const;
    QPoint centre(const QString &objectName) const { return rect(objectName).center(); }
    // Every visible push button, option button, group box and the scroll bar.
    const QStringList &controls() const { return controls_; }
    // The scroll bar's thumb when the bar shows this value.
    QRect scrollBarThumb(int value) const;
    int scrollBarMinimum() const;
    int scrollBarMaximum() const;
    // The scroll bar's arrow buttons that add and take away a step.
    QRect scrollBarAddArrow() const;
    QRect scrollBarSubArrow() const;
    // How many Tab presses move the keyboard focus from one control to another.
    int tabsBetween(const QString &from, const QString &to) const;
    QSize windowSize() const;

private:
    std::unique_ptr<frmQuarnel> window_;
    QStringList controls_;
};
