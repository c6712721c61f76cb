// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

class QRadioButton;

// The arrow keys where Qt's own handling does not suit this window:
// - in an option group, Down and Right select the next button of the frame, Up
//   and Left the one before, from the last back to the first and the other way
//   round, the way a column of options is read (Qt alone moves by the buttons'
//   positions, which in the staircase frames skips options); the selection
//   follows the focus, so the new button's handler runs at once;
// - on a horizontal scroll bar, Right moves the thumb right and Left left (Qt's
//   scroll bars invert the two).
// Owned by the window, which installs it on each option and scroll bar.
class ArrowKeys : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    static bool moveInGroup(QRadioButton *button, int step);
};
